#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;

// The progress dialog of subtitle generation: logo, a message with cycling dots, and a
// Cancel button that hides the dialog and asks for the generation to stop.
class LoadingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LoadingDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    // The step the generation is at, shown in place of the general message.
    void setMessage(const QString& message);
    QString message() const { return m_message; }

public slots:
    void updateTimer();
    void buttonClicked();
    void changeLang(int type);
    // The window's close button cancels as the Cancel button does.
    void reject() override;

signals:
    // Emitted by Cancel before "stop_ai_caption" is posted.
    void cancelRequested();

private:
    QLabel* m_logoLabel = nullptr;
    QLabel* m_contentLabel = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QTimer* m_timer = nullptr;
    QString m_message;
    int m_dotCount = 0;
};
