#include "desktop.h"

#include "movesio.h"
#include "printing.h"
#include "puzzlefile.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

#include <memory>

namespace trulp {

Desktop DesktopDialogs(QWidget& window) {
    Desktop d;
    auto lastFolder = std::make_shared<QString>();
    const auto movesDialog = [&window, lastFolder](bool save) {
        const QString filters =
            QCoreApplication::translate("trulp::TForm1",
                                        "TRULP moves and puzzles (TRULP_* TRULP+* *.trulp)") +
            QStringLiteral(";;") + QCoreApplication::translate("trulp::TForm1", "All files (*)");
        if (lastFolder->isEmpty())
            *lastFolder = QFileInfo(Printing::ProposedPdfPath()).absolutePath();
        const QString path =
            save ? QFileDialog::getSaveFileName(
                       &window, QCoreApplication::translate("trulp::TForm1", "TRULP: save moves"),
                       *lastFolder, filters)
                 : QFileDialog::getOpenFileName(
                       &window, QCoreApplication::translate("trulp::TForm1", "TRULP: open moves file"),
                       *lastFolder, filters);
        if (!path.isEmpty())
            *lastFolder = QFileInfo(path).absolutePath();
        return path;
    };
    d.chooseSaveFile = [movesDialog] { return movesDialog(true); };
    d.chooseOpenFile = [movesDialog] { return movesDialog(false); };
    d.choosePdfFile = [&window](const QString& proposed) {
        // The dialog asks before it lets a file be replaced.
        return QFileDialog::getSaveFileName(
            &window, QCoreApplication::translate("trulp::TForm1", "Print to PDF file"), proposed,
            QCoreApplication::translate("trulp::TForm1", "PDF files (*.pdf)"));
    };
    d.reportError = [&window](const QString& text) {
        QMessageBox::critical(&window, window.windowTitle(), text);
    };
    d.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return d;
}

OpenedFile ReadFileAt(const QString& path, Said& error) {
    const FileBytes file = ReadFileStart(QFile::encodeName(path).toStdString(), kLargestPuzzleText);
    error = file.error;
    return file.ok() ? ReadOpenedFile(file.bytes) : OpenedFile{};
}

OpenedFile ReadPastedText(const QString& text) {
    OpenedFile opened = ReadOpenedFile(text.toStdString());
    // Only a puzzle, or a game that carries one, comes in as text.
    if (opened.kind == OpenedFile::Kind::Game && !opened.ownPuzzle)
        opened = {};
    if (opened.kind == OpenedFile::Kind::Refused && opened.error.words == Words::ReadError)
        opened.error = Said(Words::PuzzleNoMagic, 1, 0, 0, std::string(kPuzzleMark));
    return opened;
}

} // namespace trulp
