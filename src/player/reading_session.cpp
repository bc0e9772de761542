#include "reading_session.h"

#include "text/data_files.h"

namespace lyrasta {

TReadingSession::TReadingSession(std::filesystem::path dataDir, MessageFunc message)
    : dataDir_(std::move(dataDir)), message_(std::move(message)) {
    docs_.LoadTropeDefinitions(dataDir_, message_);
    styles_ = std::make_unique<TMelodyStyles>(docs_, message_);
    phonemeText_ = ReadDataFile(dataDir_, "encodings/phonemes.ini");
}

void TReadingSession::ReloadDefinitions() {
    docs_.LoadTropeDefinitions(dataDir_, message_);
    styles_ = std::make_unique<TMelodyStyles>(docs_, message_);
    catalogueBuilt_ = false;
}

void TReadingSession::LoadPhonemes(const std::string& pronunciation) {
    if (phonemes_.Pronunciation() != pronunciation || phonemes_.Pronunciation().empty())
        phonemes_ = LoadPhonemeSet(phonemeText_, pronunciation);
}

void TReadingSession::ChooseStyles(const std::string& type, const std::string& typeAux,
                                   const strucSongSettings& settings) {
    if (!catalogueBuilt_) {
        styles_->BuildStyleCatalogue(settings.styles);
        catalogueBuilt_ = true;
    }
    styles_->SetReadingTypes(type, typeAux);
    styles_->ChooseReadingStyles();
    LoadPhonemes(settings.pronunciation);
}

TSongSteps TReadingSession::Steps(const strucSongSettings& settings) {
    TSongSteps steps(phonemes_, *styles_, settings, message_);
    steps.title = title_;
    steps.forceBook = forceBook_;
    steps.forceChapter = forceChapter_;
    steps.forceVerse = forceVerse_;
    return steps;
}

std::vector<std::string> TReadingSession::Open(TWordTable& table, const std::string& title,
                                               const std::string& subtitle, bool wrapped,
                                               const TReadingSections& sections,
                                               const std::string& type, const std::string& typeAux,
                                               const strucSongSettings& settings) {
    std::vector<std::string> problems;
    SetForcedPlace({}, 0, 0);
    Fill(table, title, type, typeAux, settings, [&](TReadingLoader& loader, TReadingSteps&) {
        loader.wrapped = wrapped;
        loader.LoadReading(title, subtitle, sections);
        problems = loader.Problems();
    });
    return problems;
}

void TReadingSession::Fill(TWordTable& table, const std::string& title, const std::string& type,
                           const std::string& typeAux, const strucSongSettings& settings,
                           const std::function<void(TReadingLoader&, TReadingSteps&)>& fill) {
    ChooseStyles(type, typeAux, settings);
    title_ = title;
    TSongSteps steps = Steps(settings);
    loader_ = std::make_unique<TReadingLoader>(dataDir_, table);
    loader_->SetSteps(&steps);
    fill(*loader_, steps);
    loader_->SetSteps(nullptr);
}

void TReadingSession::SetForcedPlace(std::string book, int chapter, int verse) {
    forceBook_ = std::move(book);
    forceChapter_ = chapter;
    forceVerse_ = verse;
}

void TReadingSession::ResetSong(TWordTable& table, const strucSongSettings& settings) {
    if (table.WordCount() == 0) return;
    // The song starts in the main melody again: building it switches to the second
    // melody type for the verses sung in it and leaves that one active.
    styles_->ChooseReadingStyles();
    LoadPhonemes(settings.pronunciation);
    TSongSteps steps = Steps(settings);
    for (int i = 0; i < table.WordCount(); ++i) {
        LetterList* letters = table.OwnLetters(i);
        if (!letters || letters->empty()) continue;
        steps.AnalyseWord(*letters);
        // The song builder writes the melody's notes here again.
        for (strucHebChar& c : *letters) {
            c.synth.clear();
            c.comment.clear();
        }
    }
    steps.FinishReading(table);
}

std::string TReadingSession::TranslationLine(int n) const {
    return loader_ ? loader_->TranslationLine(n) : std::string();
}

}  // namespace lyrasta
