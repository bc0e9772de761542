#pragma once
// The melody dialogs: the melody help window (every style of a reading type with what it
// is) and the melody selection dialog of a reading sung in two melody types, with a main
// and a secondary melody box.

#include <QDialog>

#include <string>

#include "chant/melody_styles.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace lyrasta::ui {

class TfrmMelodyHelp : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMelodyHelp(QWidget* parent = nullptr);
    // Shows the text; the caption names the main melody type.
    void ShowText(const QString& text, const std::string& mainType);
    QString Text() const;

private:
    QPlainTextEdit* txtHelp_;
};

// The help text of both melody types of a reading, each under a heading:
// a line of 106 "-", the type in capitals + " MELODIES", another line, its help text.
std::string TwoMelodiesHelp(const std::string& mainType, const std::string& mainHelp,
                            const std::string& auxType, const std::string& auxHelp);

class TfrmSelectMelodies : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSelectMelodies(const strucMelodyDisplay& display, QWidget* parent = nullptr);
    QComboBox& Main() { return *cboMelodyMain_; }
    QComboBox& Aux() { return *cboMelodyAux_; }

signals:
    void HelpRequested();

private:
    QComboBox* cboMelodyMain_;
    QComboBox* cboMelodyAux_;
};

}  // namespace lyrasta::ui
