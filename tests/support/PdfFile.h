#pragma once

#include <QString>

// What a PDF file holds, as poppler's command-line tools read it: a file that they read is a
// real PDF.
class PdfFile
{
public:
    // -1 when the file is not a PDF (or the tools are missing).
    static int pages(const QString &path);
    // The words of all pages, in reading order.
    static QString text(const QString &path);
};
