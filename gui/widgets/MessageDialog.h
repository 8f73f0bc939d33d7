#pragma once

#include "gui/widgets/BaseDialog.h"

#include <QStringList>

class QLabel;
class QPushButton;

// A general message box: an optional icon, a centred wrapping text and up to two buttons;
// the pressed one is reported through buttonClicked (1 submit, 2 cancel) before it closes.
class MessageDialog : public BaseDialog
{
    Q_OBJECT

public:
    explicit MessageDialog(QWidget* parent = nullptr);

    // Type 0 shows no icon, 2 the help icon, anything else the warning icon. Entry 0 of
    // `buttons` labels the submit button, entry 1 the cancel button; an empty or missing
    // entry hides its button.
    void setMessage(const QString& text, int type, const QStringList& buttons);

public slots:
    void buttonClickedHandle();

protected:
    void initUI() override;

private:
    QPushButton* m_submitButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_iconLabel = nullptr;
    QLabel* m_textLabel = nullptr;
};
