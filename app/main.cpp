#include "AllForms.h"
#include "platform/Forms.h"
#include "platform/SchemaLoader.h"
#include "platform/Services.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Travisto"));
    QApplication::setQuitOnLastWindowClosed(false);
    platform::App::installFonts();

    // The two databases are made beside the program on its first start.
    if (!platform::SchemaLoader::ensureProgramDatabases())
        return 1;
    registerAllForms();
    if (!platform::Forms::open(platform::Forms::mainWindowName()))
        return 1;
    return app.exec();
}
