#include "ui/document/case_file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace qismaru::ui {

QString caseFileFilter() { return "مسائل قسمارو (*.qismaru)"; }

QString ModalCaseFileDialogs::fileToOpen(QWidget* parent, const QString& folder)
{
    QFileDialog dialog(parent, "فتح مسألة", folder, caseFileFilter());
    dialog.setLayoutDirection(Qt::RightToLeft);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString ModalCaseFileDialogs::fileToSave(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, "حفظ المسألة", suggested, caseFileFilter());
    dialog.setLayoutDirection(Qt::RightToLeft);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("qismaru");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

CaseFileDialogs::UnsavedChoice ModalCaseFileDialogs::askUnsaved(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, "قسمارو", "في المسألة تغييرات لم تحفظ.\nهل تريد حفظها؟",
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setLayoutDirection(Qt::RightToLeft);
    box.button(QMessageBox::Save)->setText("حفظ");
    box.button(QMessageBox::Discard)->setText("تجاهل التغييرات");
    box.button(QMessageBox::Cancel)->setText("إلغاء");
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save: return UnsavedChoice::Save;
    case QMessageBox::Discard: return UnsavedChoice::Discard;
    default: return UnsavedChoice::Cancel;
    }
}

CaseFileDialogs::ChangedChoice ModalCaseFileDialogs::askChanged(QWidget* parent, const QString& path)
{
    QMessageBox box(QMessageBox::Warning, "قسمارو",
                    "تغيّر هذا الملف على القرص منذ فُتح أو حُفظ هنا، ولعل نافذة أخرى أو برنامجاً آخر حفظ فيه:\n" +
                        QDir::toNativeSeparators(path) + "\nفإن حُفظت المسألة فيه ذهب ما فيه الآن.",
                    QMessageBox::NoButton, parent);
    box.setLayoutDirection(Qt::RightToLeft);
    QPushButton* anyway = box.addButton("حفظ على أي حال", QMessageBox::DestructiveRole);
    QPushButton* saveAs = box.addButton("حفظ باسم…", QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton("إلغاء", QMessageBox::RejectRole);
    box.setDefaultButton(saveAs);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == anyway) return ChangedChoice::SaveAnyway;
    if (box.clickedButton() == saveAs) return ChangedChoice::SaveAs;
    return ChangedChoice::Cancel;
}

}  // namespace qismaru::ui
