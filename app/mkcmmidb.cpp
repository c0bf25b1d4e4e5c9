#include "data/ModelDatabaseBuilder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool ifMissing = args.removeAll(QStringLiteral("--if-missing")) > 0;
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: mkcmmidb [--if-missing] TARGET.mdb SCHEMA.sql MODEL_DIR\n";
        return 2;
    }
    if (ifMissing && QFileInfo::exists(args[0])) {
        QTextStream(stdout) << args[0] << " exists; left as it is\n";
        return 0;
    }
    QString error;
    if (!ModelDatabaseBuilder::build(args[0], args[1], args[2], &error)) {
        err << "mkcmmidb: " << error << "\n";
        return 1;
    }
    return 0;
}
