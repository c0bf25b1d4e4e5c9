#include "PdfFile.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

QString run(const QString &program, const QStringList &arguments, bool *ok)
{
    QProcess process;
    process.start(program, arguments);
    *ok = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

int PdfFile::pages(const QString &path)
{
    bool ok = false;
    const QString info = run(QStringLiteral("pdfinfo"), {path}, &ok);
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption).match(info);
    return ok && match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString PdfFile::text(const QString &path)
{
    bool ok = false;
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")}, &ok);
    return ok ? text : QString();
}
