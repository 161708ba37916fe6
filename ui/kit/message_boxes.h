#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace qismaru::ui {

// How the windows tell the user something: a modal box with the text alone
// and one OK button. An interface, so that tests read and dismiss the boxes
// without a human.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Returns when the user has pressed OK.
    virtual void inform(QWidget* parent, const QString& caption, const QString& text) = 0;
};

class ModalMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& caption, const QString& text) override;
};

// Records every message instead of showing it; for tests.
class RecordingMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget*, const QString&, const QString& text) override { texts.append(text); }
    QStringList texts;
};

// The program's title, the caption of the boxes Calculate shows.
inline const char* const kProgramCaption = "قسمارو";

}  // namespace qismaru::ui
