#include "ReportCommandLine.h"

#include "data/DatabaseError.h"
#include "data/Records.h"
#include "reports/ReadOnlyDatabase.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPreparation.h"
#include "reports/ReportTypes.h"
#include "shell/AppPaths.h"
#include "shell/cmmiClass.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

bool ReportCommandLine::requested(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--report" || argument.startsWith("--report="))
            return true;
    }
    return false;
}

int ReportCommandLine::main(int argc, char **argv)
{
    // Reports need fonts and paper, not a screen: this runs from a terminal or a script too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("CMMi"));
    QTextStream errors(stderr);
    return run(QGuiApplication::arguments(), errors);
}

int ReportCommandLine::run(const QStringList &arguments, QTextStream &errors)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders one report of the database beside the program to a PDF file."));
    const QCommandLineOption report(QStringLiteral("report"), QStringLiteral("The report type, as the report screen lists it."),
                                    QStringLiteral("TYPE"));
    const QCommandLineOption organization(QStringLiteral("organization"), QStringLiteral("The organization the report is about."),
                                          QStringLiteral("NAME"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("The PDF file to write."), QStringLiteral("FILE"));
    parser.addOptions({report, organization, pdf});

    const auto refuse = [&](const QString &message) {
        errors << message << '\n' << "Usage: veltrix --report TYPE [--organization NAME] --pdf FILE\n";
        errors.flush();
        return Refused;
    };
    const auto fail = [&](const QString &message) {
        errors << message << '\n';
        errors.flush();
        return Failed;
    };

    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first()));
    const ReportTypes::Type *type = ReportTypes::find(parser.value(report));
    if (!type) {
        QStringList names;
        for (const ReportTypes::Type &t : ReportTypes::all())
            names << QLatin1Char('"') + t.name + QLatin1Char('"');
        return refuse(QStringLiteral("Unknown report type \"%1\". The report types are: %2.")
                          .arg(parser.value(report), names.join(QStringLiteral(", "))));
    }
    if (parser.value(pdf).isEmpty())
        return refuse(QStringLiteral("Name the PDF file to write with --pdf FILE."));
    const QString name = parser.value(organization);
    if (type->takesOrganization && name.isEmpty())
        return refuse(QStringLiteral("The report \"%1\" is about one organization: name it with --organization NAME.").arg(type->name));

    QStringList parameters;
    QString error;
    {
        ReadOnlyDatabase database(AppPaths::databasePath());
        if (!database.open(&error))
            return fail(error);
        const Records records(database.connection(), [&](const QString &what, const QSqlError &e) {
            error = DatabaseError::explain(what, e);
        });
        const Records::Lookup company = records.first(QStringLiteral("Tvxrk_companydetails"), {});
        if (company.failed())
            return fail(error);
        parameters << company.value(QStringLiteral("fvx_rk_companyname")).toString();
        if (type->takesOrganization) {
            const Records::Lookup known = records.first(QStringLiteral("vx_gaps_sgs"), {{QStringLiteral("vx_coid"), name}});
            if (known.failed())
                return fail(error);
            if (!known.found())
                return refuse(QStringLiteral("Unknown organization \"%1\": no organization of that name has been defined.").arg(name));
            parameters << name;
        }
    }

    // The same preparation the report screen runs, on a connection of its own that is closed
    // again before the report reads the file.
    if (type->preparation != ReportTypes::Preparation::None) {
        cmmiClass connection;
        if (connection.open() != cmmiClass::Opened::Open)
            return fail(QStringLiteral("The database %1 could not be opened for writing; the report was not prepared.")
                            .arg(QDir::toNativeSeparators(AppPaths::databasePath())));
        const Records records(connection.con, [&](const QString &what, const QSqlError &e) {
            error = DatabaseError::explain(what, e);
        });
        const bool prepared = ReportPreparation::prepare(type->preparation, records, name);
        connection.Conclose();
        if (!prepared)
            return fail(error);
    }

    const ReportRequest request{AppPaths::filePath(type->fileName), AppPaths::databasePath(), parameters};
    const std::unique_ptr<Report> rendered = ReportEngine::generate(request, &error);
    if (!rendered)
        return fail(error);
    if (!rendered->writePdf(QDir::current().absoluteFilePath(parser.value(pdf)), rendered->defaultPageLayout(), &error))
        return fail(error);
    return Done;
}
