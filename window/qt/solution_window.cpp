#include "window/qt/solution_window.h"

#include "window/qt/help_window.h"
#include "window/qt/menu_bar_builder.h"
#include "window/qt/solution_drawing_view.h"
#include "window/qt/solution_printer.h"
#include "window/qt/steps_list.h"
#include "window/qt/window_placement.h"
#include "window/text/ui_texts.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

namespace triangle {

namespace {

QString qs(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

SolutionWindow::SolutionWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("SolutionWindow"));
    setWindowTitle(qs(texts::SolutionTitle));
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_drawing = new SolutionDrawingView;
    m_steps = new StepsList;
    m_steps->setObjectName(QStringLiteral("SolutionSteps"));

    auto* split = new QSplitter(Qt::Vertical);
    split->setObjectName(QStringLiteral("SolutionSplit"));
    split->addWidget(m_drawing);
    split->addWidget(m_steps);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    // Visible, so that the user who did not find a pair among the variants finds the window
    // that takes any two elements.
    auto* elements = new QPushButton(qs(texts::ElementsOpen));
    elements->setObjectName(QStringLiteral("OpenElements"));
    elements->setAccessibleDescription(qs(texts::ElementsOpenDescription));
    elements->setToolTip(qs(texts::ElementsOpenDescription));
    connect(elements, &QPushButton::clicked, this, &SolutionWindow::elementsRequested);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(split);
    layout->addWidget(elements, 0, Qt::AlignLeft);

    auto* copyDrawingAction = new QAction(qs(texts::CopyDrawing), this);
    copyDrawingAction->setObjectName(QStringLiteral("CopyDrawing"));
    connect(copyDrawingAction, &QAction::triggered, this, &SolutionWindow::copyDrawing);
    auto* copyStepsAction = new QAction(qs(texts::CopySteps), this);
    copyStepsAction->setObjectName(QStringLiteral("CopySteps"));
    copyStepsAction->setShortcut(QKeySequence::Copy);
    copyStepsAction->setShortcutContext(Qt::WidgetShortcut);
    connect(copyStepsAction, &QAction::triggered, this, &SolutionWindow::copySteps);
    m_drawing->addAction(copyDrawingAction);
    m_drawing->addAction(copyStepsAction);
    m_drawing->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Ctrl+Shift+C and Escape are the menu bar's.
    layout->setMenuBar(BuildMenuBar(this, menu::Window::Solution,
                                    [this](menu::Command command) { RunCommand(*this, command); }));

    connect(m_steps, &StepsList::zoomWheel, this, [this](int delta) { zoomWheel(delta); });
    connect(m_drawing, &SolutionDrawingView::zoomWheel, this,
            [this](int delta) { zoomWheel(delta); });

    // A variant's twelve lines of steps show without scrolling at the size the window opens
    // with.
    resize(720, 920);
    m_steps->setFocus();
}

void SolutionWindow::showPage(const SolutionPage& page, const NumberFormat& region)
{
    m_page = page;
    m_region = region;
    m_drawing->setPage(page, region);
    m_steps->setSteps(page.steps);
}

void SolutionWindow::openBeside(const QWidget& mainWindow)
{
    OpenBeside(*this, mainWindow);
}

QString SolutionWindow::stepsText() const
{
    return m_steps->stepsText();
}

void SolutionWindow::applyZoom(double factor)
{
    m_steps->setZoom(factor);
    m_drawing->setZoom(factor);
}

void SolutionWindow::copySteps() const
{
    QGuiApplication::clipboard()->setText(stepsText());
}

void SolutionWindow::copyDrawing() const
{
    QGuiApplication::clipboard()->setImage(m_drawing->image());
}

void SolutionWindow::writeSolution(menu::Command command)
{
    WriteSolution(command, this, m_page, m_region, [this] { return m_drawing->image(); });
}

void SolutionWindow::closeWindow()
{
    close();
}

void SolutionWindow::showHelp(menu::Command command)
{
    ShowHelpOrAbout(this, command);
}

void SolutionWindow::openElements()
{
    emit elementsRequested();
}

void SolutionWindow::copy(menu::Command command)
{
    if (command == menu::Command::CopySteps)
        copySteps();
    else if (command == menu::Command::CopyDrawing)
        copyDrawing();
}

} // namespace triangle
