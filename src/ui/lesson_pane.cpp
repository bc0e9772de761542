#include "lesson_pane.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "training/rich_text.h"

namespace lyrasta::ui {

namespace {

// Twips of the notes (1/1440 inch) in the document's pixels, at the screen's logical
// resolution, at which the notes' point sizes are drawn too.
qreal Pixels(int twips) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twips * (screen ? screen->logicalDotsPerInchY() : 96.0) / 1440.0;
}

}  // namespace

void FillLessonDocument(QTextDocument& document, const std::string& rtf) {
    document.clear();
    QTextCursor cursor(&document);
    bool first = true;
    for (const TRichParagraph& p : ReadRichText(rtf)) {
        QTextBlockFormat block;
        block.setAlignment(p.align == TRichParagraph::Centre    ? Qt::AlignHCenter
                           : p.align == TRichParagraph::Right   ? Qt::AlignRight
                           : p.align == TRichParagraph::Justify ? Qt::AlignJustify
                                                                : Qt::AlignLeft);
        block.setTopMargin(Pixels(p.spaceBefore));
        block.setBottomMargin(Pixels(p.spaceAfter));
        block.setLeftMargin(Pixels(p.leftIndent));
        if (first) cursor.setBlockFormat(block);
        else cursor.insertBlock(block);
        first = false;
        for (const TRichRun& r : p.runs) {
            QTextCharFormat f;
            f.setFontWeight(r.bold ? QFont::Bold : QFont::Normal);
            f.setFontItalic(r.italic);
            f.setFontUnderline(r.underline);
            f.setFontPointSize(r.pointSize);
            if (!r.font.empty()) f.setFontFamilies({QString::fromStdString(r.font)});
            if (r.hasColour) f.setForeground(QColor(r.colour.r, r.colour.g, r.colour.b));
            cursor.insertText(QString::fromStdString(r.text), f);
        }
    }
}

TLessonPane::TLessonPane(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("reText");
    setOpenLinks(false);
}

void TLessonPane::ShowNotes(const std::string& rtf) {
    FillLessonDocument(*document(), rtf);
    // The filling carries the pane's own cursor to the end, and the pane would follow it
    // there when next laid out: the notes are read from their beginning.
    moveCursor(QTextCursor::Start);
}

}  // namespace lyrasta::ui
