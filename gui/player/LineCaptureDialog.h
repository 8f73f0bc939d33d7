#pragma once

#include <QDialog>
#include <QList>

#include "core/captions/SubtitleFile.h"

class QLabel;
class QPushButton;
class QLineEdit;
class QRadioButton;

// Asks which subtitle lines "Capture every line" takes (all, those of a time range, or those
// selected in the caption list) and whether each line becomes the still's caption or is drawn
// into it by the player.
class LineCaptureDialog : public QDialog
{
    Q_OBJECT

public:
    LineCaptureDialog(const QList<SubtitleLine>& lines, const QList<int>& selected,
                      QWidget* parent = nullptr);

    // The lines chosen, as positions in the list given; empty for a range that holds none or
    // cannot be read.
    QList<int> chosenLines() const;
    bool drawSubtitles() const;

    QRadioButton* everyLineButton() const { return m_every; }
    QRadioButton* rangeButton() const { return m_range; }
    QRadioButton* selectedButton() const { return m_selected; }
    QLineEdit* fromField() const { return m_from; }
    QLineEdit* toField() const { return m_to; }
    QRadioButton* captionButton() const { return m_asCaption; }
    QRadioButton* drawnButton() const { return m_drawn; }

private:
    void updateCount();

    QList<SubtitleLine> m_lines;
    QList<int> m_selectedLines;
    QRadioButton* m_every;
    QRadioButton* m_range;
    QRadioButton* m_selected;
    QLineEdit* m_from;
    QLineEdit* m_to;
    QRadioButton* m_asCaption;
    QRadioButton* m_drawn;
    QLabel* m_count;
    QPushButton* m_ok = nullptr;
};
