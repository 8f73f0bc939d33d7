#include "gui/player/LineCaptureDialog.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

#include "core/base/ScreenManager.h"
#include "core/video/VideoTime.h"

LineCaptureDialog::LineCaptureDialog(const QList<SubtitleLine>& lines, const QList<int>& selected,
                                     QWidget* parent)
    : QDialog(parent), m_lines(lines), m_selectedLines(selected),
      m_every(new QRadioButton(tr("Every line of the film (%1)").arg(lines.size()))),
      m_range(new QRadioButton(tr("The lines from"))),
      m_selected(
          new QRadioButton(tr("The lines selected in the caption list (%1)").arg(selected.size()))),
      m_from(new QLineEdit), m_to(new QLineEdit),
      m_asCaption(new QRadioButton(tr("As the still's caption, edited and styled in Pictorb "
                                      "(recommended: the band fits the caption)"))),
      m_drawn(new QRadioButton(tr("Drawn into the picture by the player"))), m_count(new QLabel)
{
    setWindowTitle(tr("Capture every line"));
    setObjectName(QStringLiteral("line_capture_dialog"));
    // The range starts as the whole film, in the h:mm:ss the fields read.
    m_from->setText(QStringLiteral("00:00:00"));
    // Rounded up, so the last line stays in the range as long as the field is not changed.
    const double end = lines.isEmpty() ? 0.0 : std::ceil(double(lines.constLast().endMs) / 1000.0);
    m_to->setText(VideoTime::text(end, 0).left(8));
    for (QLineEdit* field : {m_from, m_to}) {
        field->setFixedWidth(scaled(90));
        connect(field, &QLineEdit::textChanged, this, [this] {
            m_range->setChecked(true);
            updateCount();
        });
    }
    m_selected->setEnabled(!selected.isEmpty());
    (selected.size() > 1 ? m_selected : m_every)->setChecked(true);
    m_asCaption->setChecked(true);

    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(m_range);
    rangeRow->addWidget(m_from);
    rangeRow->addWidget(new QLabel(tr("to")));
    rangeRow->addWidget(m_to);
    rangeRow->addStretch();
    auto* linesBox = new QGroupBox(tr("Lines"));
    auto* linesLayout = new QVBoxLayout(linesBox);
    linesLayout->addWidget(m_every);
    linesLayout->addLayout(rangeRow);
    linesLayout->addWidget(m_selected);
    auto* scope = new QButtonGroup(this);
    for (QRadioButton* button : {m_every, m_range, m_selected}) {
        scope->addButton(button);
        connect(button, &QRadioButton::toggled, this, &LineCaptureDialog::updateCount);
    }

    auto* subtitleBox = new QGroupBox(tr("Subtitle"));
    auto* subtitleLayout = new QVBoxLayout(subtitleBox);
    subtitleLayout->addWidget(m_asCaption);
    subtitleLayout->addWidget(m_drawn);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(tr("Capture"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(linesBox);
    layout->addWidget(subtitleBox);
    layout->addWidget(m_count);
    layout->addWidget(buttons);
    updateCount();
}

QList<int> LineCaptureDialog::chosenLines() const
{
    if (m_selected->isChecked())
        return m_selectedLines;
    if (m_every->isChecked())
        return SubtitleFile::linesBetween(m_lines, 0, -1);
    double from = 0;
    double to = 0;
    if (!VideoTime::parse(m_from->text(), &from) || !VideoTime::parse(m_to->text(), &to) ||
        to < from)
        return {};
    return SubtitleFile::linesBetween(m_lines, from, to);
}

bool LineCaptureDialog::drawSubtitles() const
{
    return m_drawn->isChecked();
}

void LineCaptureDialog::updateCount()
{
    const int count = int(chosenLines().size());
    m_count->setText(tr("Stills to capture: %1, one at the middle of each line.").arg(count));
    m_ok->setEnabled(count > 0);
}
