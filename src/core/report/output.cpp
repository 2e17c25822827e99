#include "output.h"

#include "render.h"

#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace zeran::report {

bool choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void preview(QWidget *parent, QPrinter &printer, const Document &doc)
{
    setUpPage(printer, doc);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&doc](QPrinter *target) { paint(doc, *target); });
    dialog.exec();
}

int print(QPrinter &printer, const Document &doc)
{
    setUpPage(printer, doc);
    return paint(doc, printer);
}

bool writePdf(const Document &doc, const QString &fileName, QString *error)
{
    // The printer reports no error for a file it cannot open; look first.
    QFile probe(fileName);
    if (!probe.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QFileInfo(fileName).absoluteFilePath(), probe.errorString());
        return false;
    }
    probe.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setCreator(QStringLiteral("Zeran"));
    printer.setDocName(doc.title);
    setUpPage(printer, doc);
    if (paint(doc, printer) == 0) {
        if (error)
            *error = QStringLiteral("%1: yazılamadı").arg(QFileInfo(fileName).absoluteFilePath());
        return false;
    }
    return true;
}

}  // namespace zeran::report
