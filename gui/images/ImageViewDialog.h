#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QProgressBar;
class QScrollArea;
class SaveFileBar;

// Shows the preview panel's merged picture in a window of its own, fitted, zoomed or at
// actual size, and asks the panel to export it.
class ImageViewDialog : public QDialog
{
    Q_OBJECT

public:
    enum ZoomMode
    {
        ManualZoom = 0,
        FitZoom = 1,
        ActualSize = 2
    };

    explicit ImageViewDialog(QWidget* parent = nullptr);

    // Takes the picture and fits it. While the dialog is hidden the scaled copy is made when
    // it is next shown, so refreshing a hidden viewer costs nothing.
    void setImage(const QImage& image, bool horizontal);
    QImage image() const { return m_image; }
    bool isHorizontal() const { return m_horizontal; }
    int zoomMode() const { return m_zoomMode; }

    void setProgress(int current, int total);
    void setProgressVisible(bool visible);
    void setSaveBarEnabled(bool enabled);
    // A notice in the save bar; empty text hides it.
    void setNotice(const QString& text);

    SaveFileBar* saveFileBar() const { return m_saveFileBar; }
    QLabel* pictureLabel() const { return m_pictureLabel; }
    QWidget* pictureContainer() const { return m_container; }
    QProgressBar* progressBar() const { return m_progressBar; }

signals:
    void exportButtonTap();
    void changeExtension(QString extension);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void setZoomMode(int mode);
    void fit();

    QImage m_image;
    bool m_horizontal = false;
    int m_zoomMode = FitZoom;
    bool m_fitPending = false;
    QScrollArea* m_scrollArea;
    QWidget* m_container;
    QLabel* m_pictureLabel;
    QProgressBar* m_progressBar;
    SaveFileBar* m_saveFileBar;
};
