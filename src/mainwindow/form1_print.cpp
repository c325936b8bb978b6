// Printing one page of the game, and the printer setup. Without a printer
// the page goes to a PDF file that the user chooses, so printing always
// gives a page and never replaces a file unasked.
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
        if (QPrinterInfo::availablePrinters().isEmpty())
            printer_->setOutputFormat(QPrinter::PdfFormat); // the file is asked for at printing
        printer_->setDocName(QStringLiteral("TRULP puzzle"));
    }
    return *printer_;
}

QString TForm1::ProposedPdfPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("TRULP puzzle.pdf"));
}

void TForm1::PrintMoves() {
    QPrinter& device = printer();
    // A PDF file not chosen in the printer setup is asked for each time.
    const bool askForFile = device.outputFormat() == QPrinter::PdfFormat && device.outputFileName().isEmpty();
    if (askForFile) {
        const QString path = desktop_.choosePdfFile(ProposedPdfPath());
        if (path.isEmpty())
            return;
        device.setOutputFileName(path);
    }
    PrintPage(device);
    if (askForFile)
        device.setOutputFileName(QString());
}

void TForm1::PrintPage(QPrinter& device) {
    QPainter canvas;
    if (!canvas.begin(&device)) {
        const QString target =
            device.outputFormat() == QPrinter::PdfFormat ? device.outputFileName() : device.printerName();
        desktop_.reportError(QStringLiteral("The print job could not be started on %1.").arg(target));
        return;
    }
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    const QString puzzle = p().isClassic() ? QString() : QString::fromStdString(session_.puzzleName());
    PaintMovesPage(canvas, device.width(),
                   {p().movesList(), p().lastMove(), p().blockTable(), p().start(), puzzle}, date);
    canvas.end();
    showReply(Reply(Said(Words::Printed)));
}

void TForm1::PrinterSetup() {
    QPrinter& device = printer();
    // Printing to a file not yet named: propose the file printing proposes.
    // Left to itself the dialog proposes a folder on some platforms, and
    // printing into a folder fails.
    const bool propose = device.outputFormat() == QPrinter::PdfFormat && device.outputFileName().isEmpty();
    if (propose)
        device.setOutputFileName(ProposedPdfPath());
    QPrintDialog dialog(&device, this);
    dialog.setWindowTitle(QStringLiteral("Printer setup"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted && propose) {
        // Cancelled: printing asks for the file again. An empty name also
        // means the native format, so the PDF format is set back.
        device.setOutputFileName(QString());
        device.setOutputFormat(QPrinter::PdfFormat);
    }
}

} // namespace trulp
