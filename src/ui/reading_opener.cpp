#include "reading_opener.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

#include "chant/group_reports.h"
#include "ui/heb_view.h"

#include "ui/heb_cal.h"
#include "ui/trope_player.h"

namespace lyrasta::ui {

namespace {

const char* KindName(TOpenKind kind) {
    switch (kind) {
    case TOpenKind::Torah: return "Torah";
    case TOpenKind::Haftarah: return "Haftarah";
    case TOpenKind::Reading: return "Reading";
    }
    return "Torah";
}

TOpenKind KindOf(const std::string& name) {
    return name == "Haftarah" ? TOpenKind::Haftarah : name == "Reading" ? TOpenKind::Reading : TOpenKind::Torah;
}

const std::vector<TOptionItem>& ListOf(const TOptionLists& lists, TOpenKind kind) {
    return kind == TOpenKind::Torah ? lists.torah : kind == TOpenKind::Haftarah ? lists.haftarah : lists.other;
}

}  // namespace

TReadingOpener::TReadingOpener(TTropePlayer& window, TSettingsStore& settings, const std::filesystem::path& dataDir,
                               std::function<void(const std::string&, const std::string&)> message)
    : QObject(&window), window_(window), dataDir_(dataDir), settings_(settings), message_(std::move(message)) {
    std::string error;
    if (!catalogue_.Load(dataDir, "Encodings\\sedrot.xml", &error)) message_("Parse Error", error);
    dialog_ = std::make_unique<TfrmOpenReading>(catalogue_, settings_, &window_);
    for (const char* name : {"mnuOpenReading", "cmdOpen"})
        if (QAction* a = window_.findChild<QAction*>(name)) {
            a->setEnabled(true);
            connect(a, &QAction::triggered, this, [this] { ShowDialog(); });
        }
    if (auto* groups = window_.findChild<QPushButton*>("cmdGetGroups")) {
        groups->setEnabled(true);
        connect(groups, &QPushButton::clicked, this, [this] { GetGroups(); });
    }
    connect(dialog_.get(), &TfrmOpenReading::HelpRequested, &window_, &TTropePlayer::ShowHelp);
    calendar_ = std::make_unique<TfrmHebCal>(*dialog_, dialog_.get());
    connect(calendar_.get(), &TfrmHebCal::HelpRequested, &window_, &TTropePlayer::ShowHelp);
    dialog_->SetCalendarHandler([this] { calendar_->exec(); });
    for (const char* name : {"mnuOpenCalendar", "cmdCal"})
        if (QAction* a = window_.findChild<QAction*>(name)) {
            a->setEnabled(true);
            connect(a, &QAction::triggered, this, [this] { ShowCalendar(); });
        }
}

void TReadingOpener::GetGroups() {
    TCatalogue torah;
    std::string error;
    if (!torah.Load(dataDir_, "Encodings\\torah.xml", &error)) {
        message_("Parse Error", error);
        return;
    }
    const TXMLelement* container = torah.Root() ? torah.Root()->FirstChild() : nullptr;
    while (container && container->Type() != TXMLelement::ntElement) container = container->NextSibling();
    if (!container) {
        message_("Lyrasta", "Encodings/torah.xml holds no readings.");
        return;
    }
    const std::string title = container->AttributeCount() ? container->AttributeValue("Name") : "";
    const SabbathKeyValues& keys = dialog_->Model().Keys();
    bool first = true;
    for (const TXMLelement* option = container->FirstChild(); option; option = option->NextSibling()) {
        if (option->Type() != TXMLelement::ntElement || option->AttributeCount() == 0) continue;
        const TReadingSections sections = OptionSections(*option, keys);
        if (!window_.OpenReading({title, "", false, sections, option->AttributeValue("Type"),
                                  option->AttributeValue("TypeAux")}))
            return;
        if (!WriteGroupReports(window_.HView().Table(), std::filesystem::current_path(), first, &error)) {
            message_("Lyrasta", "The group reports cannot be written: " + error);
            return;
        }
        first = false;
        QApplication::beep();
    }
}

void TReadingOpener::ShowCalendar() {
    if (calendar_->exec() == QDialog::Accepted) ShowDialog();
}

TReadingOpener::~TReadingOpener() {
    calendar_.reset();  // a child of the dialog: gone before it
}

void TReadingOpener::ShowDialog() {
    if (dialog_->exec() == QDialog::Accepted) OpenChoice(dialog_->OpenKind());
    else if (const auto custom = dialog_->TakeCustomOpening()) OpenCustom(*custom);
}

bool TReadingOpener::OpenCustom(const TCustomOpening& opening) {
    TReadingRequest request;
    request.title = opening.title;
    request.wrapped = opening.wrapped;
    request.type = opening.type;
    for (const auto& [name, reference] : opening.sections) request.sections.Set(name, reference);
    return window_.OpenReading(request);
}

bool TReadingOpener::OpenChoice(TOpenKind kind) {
    const TOpenedReading r = dialog_->Model().Open(kind);
    if (r.title.empty()) return false;
    if (!window_.OpenReading({r.title, r.subtitle, r.wrapped, r.sections, r.type, r.typeAux})) return false;
    Remember(kind);
    return true;
}

void TReadingOpener::Remember(TOpenKind kind) {
    const TOpenReadingModel& m = dialog_->Model();
    const TOptionLists& lists = m.Lists();
    const auto& list = ListOf(lists, kind);
    const int index = kind == TOpenKind::Torah ? lists.torahIndex
                      : kind == TOpenKind::Haftarah ? lists.haftarahIndex
                                                    : lists.otherIndex;
    settings_.Set("LastReading", m.ReadingName());
    settings_.Set("LastReadingKind", KindName(kind));
    settings_.Set("LastReadingOption", index >= 0 ? list[index].text : std::string());
    settings_.Set("LastReadingYear", std::to_string(m.Year()));
    settings_.SetBool("LastReadingIsrael", m.Israel());
}

bool TReadingOpener::OpenNamed(const TCatalogueChoice& choice) {
    TOpenReadingModel& m = dialog_->Model();
    if (choice.year) m.SetYear(*choice.year);
    m.SetIsrael(choice.israel);
    m.SetTriennial(choice.triennial);
    if (choice.cycle) m.SetCycle(*choice.cycle);
    const bool found = m.SelectReading(choice.reading);
    dialog_->Refresh();
    if (!found) {
        message_("Lyrasta", "\"" + choice.reading + "\" is neither a portion nor a holiday reading.");
        return false;
    }
    if (!OpenChoice(choice.kind)) {
        message_("Lyrasta", "The readings catalogue has no " + std::string(KindName(choice.kind)) +
                                " reading for " + m.ReadingName() + " with this choice.");
        return false;
    }
    return true;
}

bool TReadingOpener::OpenAtStart() {
    TOpenReadingModel& m = dialog_->Model();
    const std::string last = settings_.Text("LastReading");
    if (!last.empty()) {
        const TOpenKind kind = KindOf(settings_.Text("LastReadingKind"));
        if (settings_.Int("LastReadingYear") > 0) m.SetYear(settings_.Int("LastReadingYear"));
        m.SetIsrael(settings_.Bool("LastReadingIsrael"));
        if (m.SelectReading(last)) {
            const auto& list = ListOf(m.Lists(), kind);
            const std::string option = settings_.Text("LastReadingOption");
            for (int i = 0; i < static_cast<int>(list.size()); ++i)
                if (list[i].text == option) {
                    if (kind == TOpenKind::Torah) m.SelectTorahOption(i);
                    else if (kind == TOpenKind::Haftarah) m.SelectHaftarah(i);
                    else m.SelectOther(i);
                    break;
                }
            dialog_->Refresh();
            if (OpenChoice(kind)) return true;
        }
    }
    const TComingPortion coming = ComingSabbathPortion(Today(), m.Israel());
    m.SetYear(coming.year);
    m.SelectReading(coming.portion);
    dialog_->Refresh();
    return OpenChoice(TOpenKind::Torah);
}

}  // namespace lyrasta::ui
