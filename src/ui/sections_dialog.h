#pragma once
// The sections dialog "Manage sections": tick the sections of the reading to show (the
// others are hidden, in the view and in print) and highlight one to jump to it.

#include <QDialog>

#include <vector>

#include "ui/sections_model.h"

class QListWidget;
class QPushButton;

namespace lyrasta::ui {

class TfrmManageSections : public QDialog {
    Q_OBJECT
public:
    explicit TfrmManageSections(QWidget* parent = nullptr);

    // Fills the list; the changed flag is cleared.
    void SetLines(const std::vector<TSectionLine>& lines);
    std::vector<TSectionLine> Lines() const;
    bool Changed() const { return changed_; }
    // The highlighted line when it is ticked; -1 otherwise.
    int JumpLine() const;
    QListWidget& List() { return *clbSections_; }
    QPushButton& OkButton() { return *ok_; }
    // A double click on the list: OK when it is enabled, else the "No sections selected" message.
    void DoubleClicked();

signals:
    void HelpRequested(const QString& context);

private:
    void UpdateOk();

    QListWidget* clbSections_;
    QPushButton* ok_ = nullptr;
    bool changed_ = false;
};

}  // namespace lyrasta::ui
