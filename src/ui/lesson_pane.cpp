#include "lesson_pane.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "training/rich_text.h"

namespace lyrasta::ui {

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
