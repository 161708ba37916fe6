#pragma once

#include <QStringList>

#include "ui/printing/pdf_fallback.h"

namespace qismaru::ui::testing {

// Answers the offer of a PDF file as a test tells it to, and remembers the
// questions; by default it declines.
struct ScriptedFallback : PdfFallbackDialogs {
    bool acceptOffer = false;
    QString fileName;
    QStringList offers;
    int fileDialogs = 0;

    bool offerPdf(QWidget*, const QString&, const QString& text) override
    {
        offers.append(text);
        return acceptOffer;
    }
    QString pdfFileName(QWidget*, const QString&) override
    {
        ++fileDialogs;
        return fileName;
    }
};

}  // namespace qismaru::ui::testing
