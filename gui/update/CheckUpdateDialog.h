#pragma once

#include "core/update/DownloadManager.h"
#include "gui/widgets/BaseDialog.h"

#include <QByteArray>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;

// The update dialog: a checking page with cycling dots, an information page with the new
// version's details and "Update now", a page saying the running version is the latest, and a
// page saying the check failed, with Retry.
class CheckUpdateDialog : public BaseDialog
{
    Q_OBJECT

public:
    enum Page
    {
        CheckingPage = 0,
        InformationPage = 1,
        LatestPage = 2,
        FailedPage = 3,
    };

    // Change lines shown at most: laying out a manifest's worth of lines as rich text would
    // hold the window for seconds.
    static constexpr int kMaxChangeLines = 100;
    // Characters shown of one change line, for the same reason.
    static constexpr int kMaxChangeLineLength = 1000;

    explicit CheckUpdateDialog(QWidget* parent = nullptr);
    ~CheckUpdateDialog() override;

    void setPage(int page);
    void setUpdateInfo(const QByteArray& manifest);
    // Once the pending layout has run, gives both information-page buttons the wider width.
    void alignButtons();

public slots:
    void downloadLastVersionStatus(DownloadManager::DownloadState state, QString msg,
                                   QByteArray data);
    void updateTimer();

protected:
    void initUI() override;

private:
    QWidget* createCheckingPage();
    QWidget* createInformationPage();
    QWidget* createLatestPage();
    QWidget* createFailedPage();
    void retry();
    void openDownloadPage();

    QString m_downloadUrl;
    bool m_upToDate = false;
    int m_dotCount = 0;
    QTimer* m_timer = nullptr;

    QWidget* m_checkingPage = nullptr;
    QWidget* m_informationPage = nullptr;
    QWidget* m_latestPage = nullptr;
    QWidget* m_failedPage = nullptr;
    QLabel* m_failureLabel = nullptr;

    QLabel* m_checkingLabel = nullptr;
    QLabel* m_dateLabel = nullptr;
    QLabel* m_versionLabel = nullptr;
    QLabel* m_sizeLabel = nullptr;
    QLabel* m_changeLabel = nullptr;
    QPushButton* m_remindButton = nullptr;
    QPushButton* m_updateButton = nullptr;
};
