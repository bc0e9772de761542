#pragma once
// The lesson pane: the lesson notes beside the exercises, read from their rich text into
// a text document (paragraphs, bold, italic, underline, fonts, sizes and colours).

#include <QTextBrowser>

#include <string>

class QTextDocument;

namespace lyrasta::ui {

// Fills `document` with the paragraphs of the rich text (anything unreadable is left out).
void FillLessonDocument(QTextDocument& document, const std::string& rtf);

class TLessonPane : public QTextBrowser {
    Q_OBJECT
public:
    explicit TLessonPane(QWidget* parent = nullptr);
    // Shows the prepared notes; an empty text clears the pane.
    void ShowNotes(const std::string& rtf);
};

}  // namespace lyrasta::ui
