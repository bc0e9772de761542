#pragma once
// The "Custom readings" tab of the open-reading dialog: the student makes a reading of their
// own from verse ranges (a Torah reading of up to eight aliyot, a High Holidays Torah reading,
// a Haftarah of up to five sections, a Megillah reading of two), keeps it under a name, and
// opens it again later. A thin view over TCustomReadingEditor and TCustomReadingsFile.

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "readings/custom_reading_editor.h"
#include "readings/custom_readings.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace lyrasta::ui {

class TCustomReadingsTab : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kNamePrompt = "- Select reading or enter new name - ";

    explicit TCustomReadingsTab(std::string path = TCustomReadingsFile::DefaultPath(), QWidget* parent = nullptr);

    // How the tab tells and asks the student: message boxes unless replaced (tests).
    std::function<void(const std::string& caption, const std::string& text)> message;
    std::function<bool(const std::string& caption, const std::string& question)> ask;

    // Empties the name box and reads the saved names again (each time the dialog is shown);
    // a file that does not parse is named with the parser's message.
    void LoadNames();
    // The open button the rows allow; the reading it opens.
    std::optional<TOpenKind> OpenKind() const { return editor_.OpenKind(); }
    TCustomOpening Opening() const;
    // Chooses a saved reading as the name box does: its kind and rows; false for no such name.
    bool Choose(const std::string& name);

    TCustomReadingEditor& Editor() { return editor_; }
    TCustomReadingsFile& File() { return file_; }
    // Shows the rows, the edit box and the name box from the models.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The rows changed what can be opened.
    void OpenKindChanged();

private:
    QWidget* BuildKinds();
    QWidget* BuildRows();
    QGroupBox* BuildEditBox();
    QWidget* BuildNameBox();
    void FillNames(const std::string& text);
    void Save();
    void Delete();
    bool Confirmed(const std::string& caption, const std::string& question);
    void Tell(const std::string& caption, const std::string& text);
    void Changed();

    TCustomReadingEditor editor_;
    TCustomReadingsFile file_;
    bool refreshing_ = false;

    std::array<QRadioButton*, 4> kinds_{};
    std::array<QLabel*, 8> labels_{}, panels_{};
    std::array<QPushButton*, 8> edits_{}, clears_{};
    QGroupBox* gboxEditReading_ = nullptr;
    QComboBox* cboBook_ = nullptr;
    QComboBox* cboStartChap_ = nullptr;
    QComboBox* cboStartVerse_ = nullptr;
    QComboBox* cboEndChap_ = nullptr;
    QComboBox* cboEndVerse_ = nullptr;
    QPushButton* cmdSetEditReading_ = nullptr;
    QComboBox* cboCustName_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
};

}  // namespace lyrasta::ui
