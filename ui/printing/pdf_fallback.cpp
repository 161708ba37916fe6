#include "ui/printing/pdf_fallback.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace qismaru::ui {

bool ModalPdfFallbackDialogs::offerPdf(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setLayoutDirection(Qt::RightToLeft);
    box.button(QMessageBox::Yes)->setText("نعم");
    box.button(QMessageBox::No)->setText("لا");
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString ModalPdfFallbackDialogs::pdfFileName(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, "حفظ الصفحة في ملف PDF", suggested, "PDF (*.pdf)");
    dialog.setLayoutDirection(Qt::RightToLeft);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString suggestedPdfPath()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QDir folder(!documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath());
    return folder.filePath("قسمارو.pdf");
}

}  // namespace qismaru::ui
