// Printing: the printer and its setup, and the PDF file a page goes to when
// there is no printer. The page itself is print_page's.
#pragma once

#include "print_page.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace trulp {

class Printing {
    Q_DECLARE_TR_FUNCTIONS(Printing)
public:
    explicit Printing(QWidget& window);
    ~Printing();

    // Asks where the page goes when it goes to a file (a proposed path in);
    // empty when the player would rather not.
    std::function<QString(const QString&)> choosePdfFile;

    QPrinter& printer();
    // Where a PDF goes by default: "TRULP puzzle.pdf" in Documents, or home.
    static QString ProposedPdfPath();

    struct Result {
        bool printed = false;
        QString file;  // the PDF written, empty for a printer
        QString error; // why nothing was printed, when something failed
    };
    // Every page of the game, to the printer or a file.
    Result print(const GameRecord& game, const QString& date);
    // Chooses the printer and its options; prints nothing.
    void setup();

private:
    QWidget& window_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace trulp
