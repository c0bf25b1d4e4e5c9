#include "ModelDatabaseBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>
#include <QUuid>

namespace {

struct Failure
{
    QString message;
};

void runSchema(QSqlDatabase &db, const QString &schemaFile)
{
    QFile file(schemaFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw Failure{QStringLiteral("cannot read %1: %2").arg(schemaFile, file.errorString())};
    QStringList lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (!line.trimmed().startsWith(QStringLiteral("--")))
            lines << line;
    }
    for (const QString &statement : lines.join(u'\n').split(u';')) {
        if (statement.trimmed().isEmpty())
            continue;
        QSqlQuery query(db);
        if (!query.exec(statement))
            throw Failure{QStringLiteral("%1: %2").arg(schemaFile, query.lastError().text())};
    }
}

QStringList columnsOf(QSqlDatabase &db, const QString &table)
{
    QStringList columns;
    const QSqlRecord record = db.record(table);
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    return columns;
}

void loadFile(QSqlDatabase &db, const QString &table, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw Failure{QStringLiteral("cannot read %1: %2").arg(path, file.errorString())};
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);

    const QStringList known = columnsOf(db, table);
    if (known.isEmpty())
        throw Failure{QStringLiteral("%1: the schema has no table %2").arg(path, table)};
    const QStringList header = in.readLine().split(u'\t');
    for (const QString &column : header) {
        if (!known.contains(column))
            throw Failure{QStringLiteral("%1:1: table %2 has no column '%3'").arg(path, table, column)};
    }
    QStringList marks;
    for (qsizetype i = 0; i < header.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery insert(db);
    if (!insert.prepare(QStringLiteral("insert into %1 (%2) values (%3)")
                            .arg(table, header.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")))))
        throw Failure{QStringLiteral("%1: %2").arg(path, insert.lastError().text())};

    int lineNumber = 1;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != header.size())
            throw Failure{QStringLiteral("%1:%2: %3 fields where the header names %4")
                              .arg(path).arg(lineNumber).arg(fields.size()).arg(header.size())};
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (header[i] == QLatin1String("vx_level")) {
                bool ok = false;
                const int level = fields[i].toInt(&ok);
                if (!ok)
                    throw Failure{QStringLiteral("%1:%2: level '%3' is not a number").arg(path).arg(lineNumber).arg(fields[i])};
                insert.addBindValue(level);
            } else {
                insert.addBindValue(fields[i]);
            }
        }
        if (!insert.exec())
            throw Failure{QStringLiteral("%1:%2: %3").arg(path).arg(lineNumber).arg(insert.lastError().text())};
    }
}

// <table>.tsv holds rows of that table; a folder <table>/ holds several files of it.
void loadModel(QSqlDatabase &db, const QString &modelDir)
{
    const QDir dir(modelDir);
    if (!dir.exists())
        throw Failure{QStringLiteral("no model folder %1").arg(modelDir)};
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir()) {
            const QFileInfoList parts = QDir(entry.filePath()).entryInfoList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name);
            for (const QFileInfo &part : parts)
                loadFile(db, entry.fileName(), part.filePath());
        } else if (entry.suffix() == QLatin1String("tsv")) {
            loadFile(db, entry.completeBaseName(), entry.filePath());
        }
    }
}

} // namespace

bool ModelDatabaseBuilder::build(const QString &target, const QString &schemaFile, const QString &modelDir,
                                 QString *error)
{
    if (QFileInfo::exists(target)) {
        if (error)
            *error = QStringLiteral("%1 exists already; it is never replaced").arg(target);
        return false;
    }
    QDir().mkpath(QFileInfo(target).absolutePath());
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);

    const QString connection = QStringLiteral("builder-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(partial);
        try {
            if (!db.open())
                throw Failure{QStringLiteral("cannot create %1: %2").arg(partial, db.lastError().text())};
            runSchema(db, schemaFile);
            if (!db.transaction())
                throw Failure{db.lastError().text()};
            loadModel(db, modelDir);
            if (!db.commit())
                throw Failure{db.lastError().text()};
        } catch (const Failure &failure) {
            if (error)
                *error = failure.message;
            ok = false;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);

    if (ok && !QFile::rename(partial, target)) {
        if (error)
            *error = QStringLiteral("cannot move %1 to %2").arg(partial, target);
        ok = false;
    }
    if (!ok)
        QFile::remove(partial);
    return ok;
}
