#include "gui/editor/welcome_window.h"

#include <QDesktopServices>
#include <QSettings>
#include <QWindow>

#include <vector>

#include "gui/editor/editor_test_support.h"
#include "gui/editor/welcome_template.h"
#include "gui/skin/scheme_settings.h"

namespace motivra {
namespace {

using test::Picture;

constexpr QRgb kPageColour = qRgb(0x10, 0x20, 0x30);    // the test pages' background
constexpr QRgb kWindowColour = qRgb(0x46, 0x46, 0x46);  // BGColour

// The editor with its help found from `program` in the pages' folder; the welcome window opens with the
// start-up flag as set.
struct HelpEditor : test::HelpPages {
    explicit HelpEditor(std::uint32_t showHelp = 1, const char* program = "bin/motivra") {
        settings::WriteNumber(QStringLiteral("BehaviourHelp"), showHelp);
        editor = std::make_unique<test::ShownEditor>();
        editor->window.SetHelpProgramPath(dir.filePath(QString::fromLatin1(program)));
    }
    WelcomeWindow* Welcome() const { return editor->window.Welcome(); }
    // Clicks Help; the welcome window, shown, or null.
    WelcomeWindow* ClickHelp() {
        editor->Click(editor->Button(editor_id::kHelp));
        EXPECT_TRUE(Welcome() != nullptr && QTest::qWaitForWindowExposed(Welcome()));
        return Welcome();
    }
    std::string Shown() const { return HelpPages::Shown(editor->window); }

    std::unique_ptr<test::ShownEditor> editor;
};

// Receives the web addresses the browser hands to the user's own browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    std::vector<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};

// The window system resizes the window to `proposed`, as when the user drags its frame; returns once the
// window has handled it.
void Resize(WelcomeWindow& window, const QRect& proposed) {
    QSignalSpy changes(window.windowHandle(), &QWindow::widthChanged);
    QSignalSpy heightChanges(window.windowHandle(), &QWindow::heightChanged);
    window.windowHandle()->setGeometry(proposed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !changes.isEmpty() || !heightChanges.isEmpty(); }));
    QCoreApplication::processEvents();
}

// A missing page, or a link to none, keeps the page shown; a web link opens in the user's own browser.
TEST(WelcomeWindow, HelpAndF1FindThePagesBesideTheProgramsBinFolderAndAMissingPageKeepsTheLastOne) {
    HelpEditor e(0);
    UrlCatcher catcher;
    e.editor->window.OpenStartupHelp();
    EXPECT_EQ(e.Welcome(), nullptr) << "BehaviourHelp 0: no window at start";

    WelcomeWindow* welcome = e.ClickHelp();
    ASSERT_NE(welcome, nullptr);
    EXPECT_EQ(e.Shown(), "welcome.htm");
    EXPECT_EQ(welcome->StartupBox()->GetCheck(), 0) << "ticked from the editor's flag";
    EXPECT_EQ(Picture(*welcome).pixel(440, 300), kPageColour);
    test::ClickLink(*welcome, QStringLiteral("missing.htm"));
    EXPECT_EQ(e.Shown(), "welcome.htm");
    test::ClickLink(*welcome, QStringLiteral("https://example.org/motivra"));
    EXPECT_EQ(e.Shown(), "welcome.htm");
    EXPECT_EQ(catcher.opened, std::vector<QUrl>{QUrl(QStringLiteral("https://example.org/motivra"))});

    QTest::keyClick(&e.editor->window, Qt::Key_F1);
    EXPECT_EQ(e.Shown(), "motivra/main.htm");
    e.editor->window.ShowHelpPage(QStringLiteral("motivra/none.htm"));
    EXPECT_EQ(e.Shown(), "motivra/main.htm") << "a missing page keeps the last one";

    // Closing only hides it; Help brings the same window back. F1 in it opens the guide too.
    welcome->close();
    EXPECT_FALSE(welcome->isVisible());
    e.ClickHelp();
    EXPECT_EQ(e.Welcome(), welcome);
    EXPECT_EQ(e.Shown(), "welcome.htm");
    ASSERT_TRUE(QTest::qWaitForWindowActive(welcome)) << "Help makes it the active window";
    QTest::keyClick(welcome, Qt::Key_F1);
    EXPECT_EQ(e.Shown(), "motivra/main.htm");
    QTest::keyClick(welcome, Qt::Key_Escape);
    EXPECT_FALSE(welcome->isVisible());
    EXPECT_TRUE(e.editor->window.isVisible()) << "the editor goes on";

    // It keeps its minimum size with the dragged edge corrected, and lays out after every resize.
    e.ClickHelp();
    EXPECT_EQ(welcome->size(), QSize(880, 640));

    // The window system hands over a window whose left edge was dragged to make it 500 pixels wide.
    const QRect before = welcome->geometry();
    Resize(*welcome, QRect(before.right() + 1 - 500, before.top(), 500, before.height()));
    EXPECT_EQ(welcome->geometry(), before) << "880 wide, the right edge where it was";

    // Its right and bottom edges dragged out to make it larger.
    Resize(*welcome, QRect(before.topLeft(), QSize(1000, 700)));
    EXPECT_EQ(welcome->geometry(), QRect(before.topLeft(), QSize(1000, 700)));
    EXPECT_EQ(welcome->StartupBox()->geometry(), QRect(5, 682, 200, 16)) << "laid out as the layout says";
    EXPECT_EQ(welcome->Browser()->geometry(), QRect(0, 0, 1000, 677));
}

TEST(WelcomeWindow, AProgramWithoutABinFolderShowsTheFallbackPictureAndText) {
    HelpEditor e(1, "motivra");  // help/welcome.htm is there, but the path holds no bin folder
    WelcomeWindow* welcome = e.ClickHelp();
    ASSERT_NE(welcome, nullptr);
    EXPECT_TRUE(welcome->ShowsFallback());

    const QImage shot = Picture(*welcome);
    const QRect picture = FindControl(*welcome, welcome_id::kFallbackPicture)->geometry();
    EXPECT_NE(shot.pixel(picture.center()), kWindowColour) << "the picture is drawn";
    EXPECT_EQ(shot.pixel(20, 20), kWindowColour) << "the window's background around it";
    const QRect text = FindControl(*welcome, welcome_id::kFallbackText)->geometry();
    const auto [darkest, brightest] = test::GreyRange(shot, text);
    EXPECT_GT(brightest, 0x46 + 40) << "the text is written in the scheme's text colour";
    EXPECT_EQ(darkest, 0x46);

    // A new scheme reaches the welcome window with the editor's colour reload.
    WriteSchemeNumber(scheme::kBGColour, 0x605040);
    e.editor->window.ReloadColours();
    const QImage recoloured = Picture(*welcome);
    EXPECT_EQ(recoloured.pixel(20, 20), qRgb(0x40, 0x50, 0x60));
    EXPECT_EQ(recoloured.pixel(text.left() + 1, text.bottom() - 1), qRgb(0x40, 0x50, 0x60));
    QSettings("Velmora", "zenthar").remove(QStringLiteral("UI/BGColour"));
}

// That BehaviourHelp 0 opens no window at start is checked by the Help test.
TEST(WelcomeWindow, TheStartUpWindowShowsTheBoxTickedAndUntickingItWritesBehaviourHelp) {
    HelpEditor e(1);
    e.editor->window.OpenStartupHelp();
    WelcomeWindow* welcome = e.Welcome();
    ASSERT_NE(welcome, nullptr);
    EXPECT_EQ(welcome->StartupBox()->GetCheck(), 1);
    QTest::mouseClick(welcome->StartupBox(), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(settings::ReadNumber(QStringLiteral("BehaviourHelp"), 7), 0u);
}

}  // namespace
}  // namespace motivra

#include "welcome_window_test.moc"
