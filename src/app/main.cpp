// The program: the main window first, then the statistics dialog and the
// help window, then the event loop until the main window closes.
#include "form1.h"
#include "helpform.h"
#include "statform.h"
#include "words.h"

#include <QApplication>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTimer>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TRULP"));
    QApplication::setDesktopFileName(QStringLiteral("example.quorvel.trulp"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Before any window: their words and their direction come from it.
    trulp::InstallTranslations(app);

    // The program's lasting state, the coach's tables and the game.
    trulp::Store store(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    trulp::Coach coach;
    auto puzzle = std::make_unique<trulp::Puzzle>();
    trulp::TForm1 Form1(*puzzle, coach, store);
    // The window's pictures, the icon among them, are loaded with it.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/trulp-desktop.png")));
    // Children of the main window, so that every window manager, Wayland's
    // too, keeps them above it while they are open.
    TStatForm StatForm(&Form1);
    trulp::Thelpform helpform(&Form1);
    Form1.setDialogs(&StatForm, &helpform);
    Form1.show();
    // A moves or puzzle file named on the command line, as the desktop
    // passes one, opens once the window is there.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        QTimer::singleShot(0, &Form1, [&Form1, path = arguments.at(1)] { Form1.OpenFile(path); });
    return app.exec();
}
