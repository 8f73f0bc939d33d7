#pragma once

#include <QOpenGLWidget>

struct mpv_render_context;
class VideoEngine;

// Draws the engine's frames through libmpv's OpenGL render API. The engine asks for a new
// frame from its own threads; the request is queued to this widget, which draws on the GUI
// thread. The engine must outlive the view.
class VideoView : public QOpenGLWidget
{
    Q_OBJECT

public:
    explicit VideoView(VideoEngine* engine, QWidget* parent = nullptr);
    ~VideoView() override;

    // Whether frames have somewhere to go: only then may the engine load a film.
    bool isReady() const { return m_render != nullptr; }

signals:
    void ready();
    // No OpenGL context, or libmpv refused it: the film cannot be shown.
    void failed();

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    static void* procAddress(void* context, const char* name);
    static void frameWaiting(void* view);
    void releaseRender();

    VideoEngine* m_engine;
    mpv_render_context* m_render = nullptr;
};
