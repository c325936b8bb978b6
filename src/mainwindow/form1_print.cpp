// Printing one page of the game, and the printer setup. Without a printer
// the page goes to a PDF file, so printing always gives the user a page.
#include "form1.h"
#include "print_page.h"

#include <QDate>
#include <QDir>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace trulp {

QPrinter& TForm1::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            if (folder.isEmpty() || !QDir(folder).exists())
                folder = QDir::homePath();
            printer_->setOutputFormat(QPrinter::PdfFormat);
            printer_->setOutputFileName(QDir(folder).filePath(QStringLiteral("TRULP puzzle.pdf")));
        }
        printer_->setDocName(QStringLiteral("TRULP puzzle"));
    }
    return *printer_;
}

void TForm1::PrintMoves() {
    QPrinter& device = printer();
    QPainter canvas;
    if (!canvas.begin(&device)) {
        const QString target =
            device.outputFormat() == QPrinter::PdfFormat ? device.outputFileName() : device.printerName();
        reportError(QStringLiteral("The print job could not be started on %1.").arg(target));
        return;
    }
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    PaintMovesPage(canvas, device.width(), {p.movesList(), p.lastMove(), p.blockTable()}, date);
    canvas.end();
    setMessage(QStringLiteral("puzzle send to printer"));
}

void TForm1::PrinterSetup() {
    QPrintDialog dialog(&printer(), this);
    dialog.setWindowTitle(QStringLiteral("Printer setup"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.exec();
}

} // namespace trulp
