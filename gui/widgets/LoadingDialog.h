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

public slots:
    void updateTimer();
    void buttonClicked();
    void changeLang(int type);

private:
    QLabel* m_logoLabel = nullptr;
    QLabel* m_contentLabel = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QTimer* m_timer = nullptr;
    QString m_message;
    int m_dotCount = 0;
};
