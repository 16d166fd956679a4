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
    const platform::SchemaLoader::Readiness databases = platform::SchemaLoader::ensureProgramDatabases();
    for (const QString& message : databases.messages)
        platform::msgBox(message);
    if (!databases.ok)
        return 1;
    // Registers every window and names the main window.
    registerAllForms();
    if (!platform::Forms::open(platform::Forms::mainWindowName()))
        return 1;
    return app.exec();
}
