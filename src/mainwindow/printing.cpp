#include "printing.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

namespace trulp {

Printing::Printing(QWidget& window) : window_(window) {}

Printing::~Printing() = default;

QPrinter& Printing::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // Without a printer the page goes to a PDF file the player chooses.
        if (QPrinterInfo::availablePrinters().isEmpty())
            printer_->setOutputFormat(QPrinter::PdfFormat);
        //: The name a printed page goes by in the printer's queue.
        printer_->setDocName(tr("TRULP puzzle"));
    }
    return *printer_;
}

QString Printing::ProposedPdfPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    //: The file a page is printed to when there is no printer; keep ".pdf".
    return QDir(folder).filePath(tr("TRULP puzzle.pdf"));
}

Printing::Result Printing::print(const GameRecord& game, const QString& date) {
    QPrinter& device = printer();
    Result result;
    const bool toFile = device.outputFormat() == QPrinter::PdfFormat;
    // A PDF is asked for each time, so that no file is replaced unasked.
    if (toFile) {
        const QString path = choosePdfFile ? choosePdfFile(ProposedPdfPath()) : QString();
        if (path.isEmpty())
            return result;
        device.setOutputFileName(path);
    }
    QPainter canvas;
    if (!canvas.begin(&device)) {
        //: %1 the printer or the file.
        result.error = tr("The print job could not be started on %1.")
                           .arg(toFile ? device.outputFileName() : device.printerName());
        if (toFile)
            device.setOutputFileName(QString());
        return result;
    }
    const int pages = Pages(game);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        PaintMovesPage(canvas, device.width(), game, date, page);
    }
    canvas.end();
    result.printed = true;
    if (toFile) {
        result.file = device.outputFileName();
        device.setOutputFileName(QString());
        device.setOutputFormat(QPrinter::PdfFormat);
    }
    return result;
}

void Printing::setup() {
    QPrinter& device = printer();
    // A printer or a PDF file, and the page; the button says it chooses,
    // and nothing is printed until the page is printed.
    QDialog dialog(&window_);
    dialog.setObjectName(QStringLiteral("printerSetup"));
    dialog.setWindowTitle(tr("Printer setup"));
    auto* where = new QComboBox(&dialog);
    where->setObjectName(QStringLiteral("printerChoice"));
    //: In the printer setup: the page goes to a PDF file, asked for at printing.
    where->addItem(tr("a PDF file"));
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    for (const QPrinterInfo& p : printers)
        where->addItem(p.printerName());
    if (device.outputFormat() != QPrinter::PdfFormat)
        where->setCurrentText(device.printerName());
    auto* page = new QPushButton(tr("page..."), &dialog);
    QObject::connect(page, &QPushButton::clicked, &dialog, [&dialog, &device] {
        QPageSetupDialog pages(&device, &dialog);
        pages.exec();
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    //: The printer setup's button: it chooses the printer, it does not print.
    buttons->button(QDialogButtonBox::Ok)->setText(tr("choose"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    //: In the printer setup: where a printed page goes.
    form->addRow(tr("print to"), where);
    form->addRow(QString(), page);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (where->currentIndex() == 0) {
        device.setOutputFormat(QPrinter::PdfFormat);
    } else {
        device.setOutputFormat(QPrinter::NativeFormat);
        device.setPrinterName(where->currentText());
    }
}

} // namespace trulp
