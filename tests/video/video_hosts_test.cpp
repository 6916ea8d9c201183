// The frei0r effects as melt and ffmpeg run them: every frame they write must show the layer at the pose
// libmotivra gives for the time the host's clock (or the position parameter) stands for.
#include <motivra/motivra.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace motivra {
namespace {

constexpr double kMargin = 1.5;  // pixels this far from an edge must be wholly inside or outside
constexpr int kFps = 25;
constexpr int kMeltW = 320, kMeltH = 240;

struct Pose {
    QPolygonF ring;  // TL, TR, BR, BL: the quad's outline in order
    double alpha = 0;
};

Pose PoseAt(const motivra_behaviour* b, double t, int w, int h) {
    double c[8] = {};
    Pose pose;
    EXPECT_EQ(motivra_pose(b, t, MOTIVRA_WHOLE_FRAME, w, h, c, &pose.alpha), MOTIVRA_OK);
    pose.ring =
        QPolygonF({QPointF(c[0], c[1]), QPointF(c[2], c[3]), QPointF(c[6], c[7]), QPointF(c[4], c[5])});
    return pose;
}

double SegmentDistance(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    const double s = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / len2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + s * ab);
    return std::hypot(d.x(), d.y());
}

// Whether a pixel is what it should be, given whether its centre lies inside the quad.
using PixelRule = std::function<bool(const uchar* rgba, bool inside, double alpha)>;

// The pixels that break the rule, skipping those within kMargin of an edge; describes the first.
int WrongPixels(const QImage& frame, const Pose& pose, const PixelRule& rule, std::string* first) {
    int wrong = 0;
    for (int y = 0; y < frame.height(); ++y) {
        const uchar* row = frame.constScanLine(y);
        for (int x = 0; x < frame.width(); ++x) {
            const QPointF centre(x + 0.5, y + 0.5);
            double edge = INFINITY;
            for (int i = 0; i < 4; ++i)
                edge = std::min(edge, SegmentDistance(centre, pose.ring[i], pose.ring[(i + 1) % 4]));
            if (edge < kMargin) continue;
            // Non-zero winding, so a quad collapsed to a line or a point has no inside.
            const bool inside = pose.ring.containsPoint(centre, Qt::WindingFill);
            const uchar* px = row + 4 * x;
            if (rule(px, inside, pose.alpha)) continue;
            if (wrong++ == 0)
                *first =
                    QString::asprintf("(%d,%d) %s is %d,%d,%d,%d, alpha %g", x, y,
                                      inside ? "inside" : "outside", px[0], px[1], px[2], px[3], pose.alpha)
                        .toStdString();
        }
    }
    return wrong;
}

// A white layer alone: its opacity inside (straight alpha, so still white), transparent outside.
bool LayerAlone(const uchar* px, bool inside, double alpha) {
    if (!inside) return px[3] <= 2;
    const bool white = alpha < 32 || std::min({px[0], px[1], px[2]}) >= 250;
    return std::abs(px[3] - alpha) <= 3 && white;
}

// A white layer over an opaque background of colour bg.
PixelRule LayerOver(std::array<int, 3> bg) {
    return [bg](const uchar* px, bool inside, double alpha) {
        for (int c = 0; c < 3; ++c) {
            const double want = inside ? bg[c] + (255 - bg[c]) * alpha / 255 : bg[c];
            if (std::abs(px[c] - want) > (inside ? 3 : 2)) return false;
        }
        return true;
    };
}

testing::AssertionResult RunHost(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return testing::AssertionFailure() << program.toStdString() << " " << args.join(' ').toStdString()
                                           << " failed: " << p.errorString().toStdString() << "\n"
                                           << p.readAll().toStdString();
    return testing::AssertionSuccess();
}

// melt draws the tracks into PNG frames of kMeltW x kMeltH in dir: every frame, however busy the machine
// (real_time=0; melt drops frames to keep up with the clock). melt 7.12 crashes on a profile without a
// description, and now and then ends at once, with status 0 and not a word, when another melt starts beside
// it (the tests run two at a time); such a run is made again, up to twice. The frames it then writes are
// checked in full.
testing::AssertionResult RunMelt(const QTemporaryDir& dir, const QStringList& tracks) {
    QFile profile(dir.filePath("profile"));
    if (!profile.open(QIODevice::WriteOnly)) return testing::AssertionFailure() << "no profile";
    profile.write(
        QString::asprintf("description=test\nwidth=%d\nheight=%d\nframe_rate_num=%d\nframe_rate_den=1\n"
                          "progressive=1\nsample_aspect_num=1\nsample_aspect_den=1\n"
                          "display_aspect_num=%d\ndisplay_aspect_den=%d\n",
                          kMeltW, kMeltH, kFps, kMeltW, kMeltH)
            .toUtf8());
    profile.close();
    const QStringList args = QStringList{"-quiet", "-profile", profile.fileName()} + tracks +
                             QStringList{"-consumer", "avformat:" + dir.filePath("f%03d.png"), "vcodec=png",
                                         "pix_fmt=rgba", "real_time=0"};
    for (int attempt = 0;; ++attempt) {
        const testing::AssertionResult run = RunHost(MOTIVRA_MELT, args);
        if (!run || QFileInfo::exists(dir.filePath("f001.png")) || attempt == 2) return run;
    }
}

// Checks frames[i] against the pose at times[i]; a negative time skips the frame.
void ExpectPoses(const std::string& behaviour, const QString& pattern, const std::vector<double>& times,
                 int w, int h, const PixelRule& rule) {
    const std::unique_ptr<motivra_behaviour, decltype(&motivra_close)> b(
        motivra_open(behaviour.c_str(), nullptr, 0), &motivra_close);
    ASSERT_TRUE(b) << behaviour;
    for (size_t i = 0; i < times.size(); ++i) {
        if (times[i] < 0) continue;
        const QString file = pattern.arg(i + 1, 3, 10, QChar('0'));  // image2 numbers frames from 1
        const QImage frame = QImage(file).convertToFormat(QImage::Format_RGBA8888);
        EXPECT_EQ(frame.size(), QSize(w, h)) << file.toStdString();
        std::string first;
        EXPECT_EQ(WrongPixels(frame, PoseAt(b.get(), times[i], w, h), rule, &first), 0)
            << "frame " << i << " at t=" << times[i] << ": " << first;
    }
}

std::vector<std::string> SampleBehaviours() {
    std::vector<std::string> files;
    for (const QFileInfo& f : QDir(MOTIVRA_BEHAVIOURS).entryInfoList({"*.vmr"}, QDir::Files, QDir::Name))
        files.push_back(f.absoluteFilePath().toStdString());
    return files;
}

class VideoHosts : public testing::TestWithParam<std::string> {
protected:
    QTemporaryDir dir_;
};

// melt's own clock: frame n is n/25 s, so with a 0.2 s offset and 0.4 s duration frames 5..15 fall on
// t = 0, 0.1, ..., 1 and the frames before the offset hold t = 0.
TEST_P(VideoHosts, MeltFilterDrawsTheLayerAtThePoseOfItsClock) {
    std::vector<double> times;
    for (int n = 0; n <= 15; ++n) times.push_back(std::clamp((n / double(kFps) - 0.2) / 0.4, 0.0, 1.0));
    ASSERT_TRUE(RunMelt(
        dir_, {"color:white", "out=15", "-filter", "frei0r.motivra-behaviour",
               "behaviour=" + QString::fromStdString(GetParam()), "duration=0.4", "offset=0.2", "loop=0"}));
    ExpectPoses(GetParam(), dir_.filePath("f%1.png"), times, kMeltW, kMeltH, LayerAlone);
}

// ffmpeg's clock is no use (milliseconds, or garbage when it copies a frame to realign it), so the position
// parameter sets the time; sendcmd changes it for each frame of one run. The odd height is deliberate.
TEST_P(VideoHosts, FfmpegFilterDrawsTheLayerAtThePoseOfItsPosition) {
    constexpr int kW = 240, kH = 135;
    const QString params = QString::fromStdString(GetParam()) + "|2|n|0|%1";
    QFile commands(dir_.filePath("commands"));
    ASSERT_TRUE(commands.open(QIODevice::WriteOnly));
    std::vector<double> times{0};
    for (int k = 1; k <= 10; ++k) {
        times.push_back(k / 10.0);
        // Half a frame early, so that rounding cannot move a command to the next frame.
        commands.write(QString::asprintf("%g frei0r filter_params '%s';\n", (k - 0.5) / kFps,
                                         qPrintable(params.arg(k / 10.0)))
                           .toUtf8());
    }
    commands.close();
    ASSERT_TRUE(RunHost(
        MOTIVRA_FFMPEG,
        {"-nostdin", "-v", "error", "-f", "lavfi", "-i",
         QString("color=white:s=%1x%2:r=%3,format=rgba").arg(kW).arg(kH).arg(kFps), "-frames:v", "11", "-vf",
         "sendcmd=f=" + commands.fileName() +
             ",frei0r=filter_name=motivra-behaviour:filter_params=" + params.arg(0),
         "-pix_fmt", "rgba", "-y", dir_.filePath("f%03d.png")}));
    ExpectPoses(GetParam(), dir_.filePath("f%1.png"), times, kW, kH, LayerAlone);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, VideoHosts, testing::ValuesIn(SampleBehaviours()),
    [](const testing::TestParamInfo<std::string>& info) {
        // Sample names are letters, digits and hyphens; test names take no hyphens.
        return QFileInfo(QString::fromStdString(info.param)).baseName().replace('-', '_').toStdString();
    });

// The mixer as a melt transition, looping: the offset of half a frame keeps every frame off the loop's seam,
// at t = 0.05, 0.15, ... twice over. Frame 0 comes before the offset and is not checked.
TEST(VideoHostsMixer, MeltTransitionDrawsTheSecondTrackAtThePoseOverTheFirst) {
    const std::string behaviour = std::string(MOTIVRA_BEHAVIOURS) + "/vmrk-0005.vmr";
    QTemporaryDir dir;
    std::vector<double> times{-1};
    for (int n = 1; n <= 19; ++n) times.push_back(std::fmod((n - 0.5) / 10, 1.0));
    // Track 0 is the background, track 1 the layer.
    ASSERT_TRUE(RunMelt(
        dir, {"color:0x2040c0ff", "out=19", "-track", "color:white", "out=19", "-transition",
              "frei0r.motivra-layer", "in=0", "out=19", "a_track=0", "b_track=1",
              "behaviour=" + QString::fromStdString(behaviour), "duration=0.4", "offset=0.02", "loop=1"}));
    ExpectPoses(behaviour, dir.filePath("f%1.png"), times, kMeltW, kMeltH, LayerOver({0x20, 0x40, 0xc0}));
}

}  // namespace
}  // namespace motivra
