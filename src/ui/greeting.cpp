#include "greeting.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "player/settings_store.h"
#include "ui/trope_player.h"

namespace lyrasta::ui {

namespace {

constexpr const char* kGreetedKey = "Greeted";

}  // namespace

TfrmGreeting::TfrmGreeting(TTropePlayer& window) : QDialog(&window) {
    setObjectName("frmGreeting");
    setWindowTitle("Welcome to Lyrasta");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(
        "<h2>Welcome to Lyrasta!</h2>"
        "<p>Lyrasta helps you learn to chant the Torah, the Haftarah and the Megillot with their "
        "trope marks.</p>"
        "<p>The window shows a reading: click a word and press <b>Space</b> to hear it sung, and "
        "<b>Space</b> again to stop. <b>F1</b> opens the help at any time.</p>"
        "<p>New to trope? The <b>tutorial</b> starts at the beginning: what the marks are and how "
        "each group is sung. Or choose another <b>reading</b>: a portion, a holiday, a Megillah.</p>");
    text->setObjectName("lblGreeting");
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox;
    const std::pair<const char*, const char*> offers[] = {{"Open &tutorial", "mnuOpenTutorial"},
                                                          {"Open &reading", "mnuOpenReading"}};
    for (const auto& [caption, action] : offers) {
        QPushButton* b = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        b->setObjectName(QString("cmd") + action);
        // Closed first: the dialog that follows is then the only one in front of the window.
        connect(b, &QPushButton::clicked, this, [this, &window, action = QString(action)] {
            close();
            if (QAction* a = window.findChild<QAction*>(action); a && a->isEnabled()) a->trigger();
        });
    }
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    setMaximumWidth(520);
}

bool IsNewStudent(const TSettingsStore& settings) {
    return !settings.Bool(kGreetedKey) && settings.Text("LastReading").empty();
}

TfrmGreeting* GreetNewStudent(TTropePlayer& window, TSettingsStore& settings) {
    settings.SetBool(kGreetedKey, true);
    auto* greeting = new TfrmGreeting(window);
    greeting->show();
    return greeting;
}

}  // namespace lyrasta::ui
