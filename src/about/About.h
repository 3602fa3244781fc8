#pragma once

#include <QWidget>

class WindowRegistry;

// The about window. For now an empty window of the right name and size; closing it brings the main window
// back, so the program is never left without a window.
class About : public QWidget
{
    Q_OBJECT
public:
    explicit About(WindowRegistry &registry);

    void Form_Load() { }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    WindowRegistry &m_registry;
};
