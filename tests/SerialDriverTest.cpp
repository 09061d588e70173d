// The serial driver over a pseudo-terminal, with the simulated unit serving the far side.

#include "Clock.h"
#include "DeviceLink.h"
#include "Frames.h"
#include "SerialDriver.h"
#include "SimulatedUnit.h"
#include "StatusReply.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using std::chrono::steady_clock;

static Millis Since(steady_clock::time_point start) {
    return std::chrono::duration_cast<Millis>(steady_clock::now() - start);
}

// A simulated unit on the master side of a pseudo-terminal; the driver opens the slave.
class PtyUnit {
public:
    PtyUnit() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0 || ptsname(m_master) == nullptr)
            return;
        m_slavePath = ptsname(m_master);
        termios settings{};
        tcgetattr(m_master, &settings);
        cfmakeraw(&settings);
        tcsetattr(m_master, TCSANOW, &settings);
        // Held open so the master does not see a hang-up each time the driver closes the port.
        m_slave = open(m_slavePath.c_str(), O_RDWR | O_NOCTTY);
        if (m_slave < 0 || pipe(m_wake) != 0)
            return;
        m_thread = std::thread([this] { Serve(); });
    }
    ~PtyUnit() {
        HangUp();
        for (int fd : {m_wake[0], m_wake[1]})
            if (fd >= 0)
                close(fd);
    }
    PtyUnit(const PtyUnit&) = delete;
    PtyUnit& operator=(const PtyUnit&) = delete;

    bool IsReady() const { return m_thread.joinable(); }
    const std::string& SlavePath() const { return m_slavePath; }
    // When >= 0, only this many bytes of each answer are sent.
    void SetAnswerBytes(int count) { m_answerBytes = count; }
    int FramesReceived() const { return m_frames; }

    // The far side goes away, as when the unit is unplugged.
    void HangUp() {
        if (m_thread.joinable()) {
            const char stop = 'x';
            (void)!write(m_wake[1], &stop, 1);
            m_thread.join();
        }
        for (int* fd : {&m_slave, &m_master}) {
            if (*fd >= 0)
                close(*fd);
            *fd = -1;
        }
    }

private:
    void Serve() {
        SteadyClock clock;
        SimulatedUnit unit(clock);
        for (;;) {
            pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
            if (poll(fds, 2, -1) < 0) {
                if (errno == EINTR)
                    continue;
                return;
            }
            if (fds[1].revents != 0 || (fds[0].revents & (POLLERR | POLLNVAL)) != 0)
                return;
            if ((fds[0].revents & POLLIN) == 0)
                continue;
            std::uint8_t bytes[64];
            const ssize_t count = read(m_master, bytes, sizeof bytes);
            if (count <= 0)
                return;
            std::vector<std::uint8_t> answer = unit.Receive(bytes, static_cast<std::size_t>(count));
            m_frames = static_cast<int>(unit.Received().size());
            const int limit = m_answerBytes;
            if (limit >= 0 && static_cast<std::size_t>(limit) < answer.size())
                answer.resize(static_cast<std::size_t>(limit));
            if (!answer.empty())
                (void)!write(m_master, answer.data(), answer.size());
        }
    }

    int m_master = -1;
    int m_slave = -1;
    int m_wake[2] = {-1, -1};
    std::string m_slavePath;
    std::atomic<int> m_answerBytes{-1};
    std::atomic<int> m_frames{0};
    std::thread m_thread;
};

static std::string ExchangeData(DeviceLink& link) {
    link.PurgeLink();
    link.WriteFrame(BuildFrame(PlainCommand::Data));
    ReplyArea area;
    link.ReadReply(area);
    return std::string(area.data(), kReplySize);
}

class SerialDriverTest : public testing::Test {
protected:
    void SetUp() override {
        m_unit = std::make_unique<PtyUnit>();
        ASSERT_TRUE(m_unit->IsReady()) << "no pseudo-terminal";
        m_portPath = m_unit->SlavePath();
    }

    void Connect() {
        ASSERT_FALSE(m_link.CheckLink());
        ASSERT_EQ(m_link.LastStatus(), FT_OK);
        ASSERT_TRUE(m_link.CheckLink());
    }

    std::unique_ptr<PtyUnit> m_unit;
    std::string m_portPath;  // what the locator answers
    std::vector<std::string> m_asked;
    SerialDriver m_driver{[this](const char* description) {
        m_asked.emplace_back(description);
        return QString::fromStdString(m_portPath);
    }};
    VirtualClock m_clock;
    DeviceLink m_link{m_driver, m_clock};
};

TEST_F(SerialDriverTest, ExchangesFramesThroughTheLink) {
    EXPECT_FALSE(m_link.CheckLink());
    EXPECT_EQ(m_link.LastStatus(), FT_OK);
    EXPECT_EQ(m_asked, std::vector<std::string>{"Karvelostrum"});
    EXPECT_TRUE(m_link.CheckLink());

    EXPECT_EQ(ExchangeData(m_link), "20:00S2002");
    // No purge here: it would drop a frame the far side has not taken yet, as it should.
    m_link.WriteFrame(*BuildSettingFrame(SettingCommand::Tim, 45));
    m_link.WriteFrame(BuildFrame(PlainCommand::Data));
    ReplyArea area;
    m_link.ReadReply(area);
    EXPECT_EQ(std::string(area.data()), "45:00S4502");
    EXPECT_EQ(m_unit->FramesReceived(), 3);
}

TEST_F(SerialDriverTest, ReadReturnsWithinItsTimeOutWithWhatArrived) {
    Connect();
    struct Case {
        int answerBytes;
        const char* reply;
    };
    for (const Case& c : {Case{0, "----------"}, Case{5, "20:00-----"}}) {
        m_unit->SetAnswerBytes(c.answerBytes);
        const auto start = steady_clock::now();
        EXPECT_EQ(ExchangeData(m_link), c.reply) << c.answerBytes << " bytes";
        const Millis took = Since(start);
        EXPECT_GE(took, Millis{95}) << c.answerBytes << " bytes";
        EXPECT_LT(took, Millis{1000}) << c.answerBytes << " bytes";
    }
}

TEST_F(SerialDriverTest, ReadStopsAtItsSizeAndKeepsTheRestForTheNextRead) {
    Connect();
    m_link.WriteFrame(BuildFrame(PlainCommand::Data));
    char area[8];
    std::fill(std::begin(area), std::end(area), '#');
    std::uint32_t count = 0;
    EXPECT_EQ(m_driver.Read(m_link.Handle(), area, 4, &count), FT_OK);
    EXPECT_EQ(count, 4u);
    EXPECT_EQ(std::string(area, sizeof area), "20:0####");

    EXPECT_EQ(m_driver.Read(m_link.Handle(), area, 6, &count), FT_OK);
    EXPECT_EQ(count, 6u);
    EXPECT_EQ(std::string(area, sizeof area), "0S2002##");
}

TEST_F(SerialDriverTest, PurgeDropsAnAnswerAlreadyArrived) {
    Connect();
    m_link.WriteFrame(BuildFrame(PlainCommand::Data));
    char first = 0;
    std::uint32_t count = 0;
    ASSERT_EQ(m_driver.Read(m_link.Handle(), &first, 1, &count), FT_OK);
    ASSERT_EQ(count, 1u);  // the answer has come

    m_link.PurgeLink();
    ReplyArea area;
    m_link.ReadReply(area);
    EXPECT_EQ(std::string(area.data()), "----------");
    EXPECT_EQ(ExchangeData(m_link), "20:00S2002");
}

TEST(SerialDriverHangUp, LosesTheLinkQuietly) {
    struct Case {
        const char* name;
        bool eventLoopRuns;    // QSerialPort sees the hang-up from its notifier first
        bool writeBeforeCheck; // a setting command between the unplug and the next tick
    };
    for (const Case& c : {Case{"quiet", false, false}, Case{"event loop", true, false},
                          Case{"write first", false, true}, Case{"both", true, true}}) {
        SCOPED_TRACE(c.name);
        PtyUnit unit;
        ASSERT_TRUE(unit.IsReady());
        const QString path = QString::fromStdString(unit.SlavePath());
        SerialDriver driver([&path](const char*) { return path; });
        VirtualClock clock;
        DeviceLink link(driver, clock);
        ASSERT_FALSE(link.CheckLink());
        ASSERT_TRUE(link.CheckLink());

        unit.HangUp();
        const auto start = steady_clock::now();
        if (c.eventLoopRuns)
            QCoreApplication::processEvents();
        if (c.writeBeforeCheck)
            link.WriteFrame(*BuildSettingFrame(SettingCommand::Mic, 3));
        EXPECT_FALSE(link.CheckLink());
        EXPECT_NE(link.LastStatus(), FT_OK);  // the port is gone, so the reopen fails too

        std::uint32_t written = 99;
        EXPECT_NE(driver.Write(link.Handle(), "\x02" "DATA \x03", 7, &written), FT_OK);
        EXPECT_EQ(written, 0u);
        EXPECT_EQ(ExchangeData(link), "----------");
        EXPECT_FALSE(link.CheckLink());
        EXPECT_LT(Since(start), Millis{1000});
    }
}

TEST_F(SerialDriverTest, AUnitOnANewPortGetsANewHandle) {
    Connect();
    const FT_HANDLE old = m_link.Handle();
    m_unit->HangUp();
    auto replugged = std::make_unique<PtyUnit>();
    ASSERT_TRUE(replugged->IsReady());
    m_portPath = replugged->SlavePath();

    EXPECT_FALSE(m_link.CheckLink());
    EXPECT_EQ(m_link.LastStatus(), FT_OK);
    EXPECT_NE(m_link.Handle(), old);
    EXPECT_TRUE(m_link.CheckLink());

    // The old handle is spent: it neither answers nor closes the new port.
    std::uint32_t word = 0;
    EXPECT_NE(m_driver.GetModemStatus(old, &word), FT_OK);
    EXPECT_NE(m_driver.Close(old), FT_OK);
    EXPECT_TRUE(m_link.CheckLink());
    EXPECT_EQ(ExchangeData(m_link), "20:00S2002");
    EXPECT_EQ(replugged->FramesReceived(), 1);
}

TEST_F(SerialDriverTest, HandlesOfNoOpenPortFailHarmlessly) {
    Connect();
    const FT_HANDLE live = m_link.Handle();
    ASSERT_EQ(m_driver.Close(live), FT_OK);

    for (FT_HANDLE handle : {FT_HANDLE{nullptr}, live, reinterpret_cast<FT_HANDLE>(std::uintptr_t{0x1234})}) {
        std::uint32_t word = 0;
        EXPECT_NE(m_driver.GetModemStatus(handle, &word), FT_OK);
        EXPECT_NE(m_driver.Close(handle), FT_OK);
        EXPECT_NE(m_driver.Purge(handle, kPurgeBoth), FT_OK);
        char buffer[4] = {'x', 'x', 'x', 'x'};
        std::uint32_t count = 99;
        const auto start = steady_clock::now();
        EXPECT_NE(m_driver.Read(handle, buffer, sizeof buffer, &count), FT_OK);
        EXPECT_LT(Since(start), Millis{50});
        EXPECT_EQ(count, 0u);
        EXPECT_EQ(std::string(buffer, sizeof buffer), "xxxx");
        count = 99;
        EXPECT_NE(m_driver.Write(handle, "abc", 3, &count), FT_OK);
        EXPECT_EQ(count, 0u);
    }
    EXPECT_FALSE(m_link.CheckLink());
    EXPECT_TRUE(m_link.CheckLink());
}

TEST_F(SerialDriverTest, OpensOnlyWhatTheLocatorFinds) {
    struct Case {
        std::string port;
        std::uint32_t flags;
    };
    for (const Case& c : {Case{"", FT_OPEN_BY_DESCRIPTION}, Case{"/nonexistent/ttyUSB7", FT_OPEN_BY_DESCRIPTION},
                          Case{m_unit->SlavePath(), 1 /* by serial number */}}) {
        m_portPath = c.port;
        FT_HANDLE handle = reinterpret_cast<FT_HANDLE>(std::uintptr_t{0x77});
        EXPECT_NE(m_driver.OpenEx(kUnitDescription, c.flags, &handle), FT_OK) << c.port;
        EXPECT_EQ(handle, reinterpret_cast<FT_HANDLE>(std::uintptr_t{0x77})) << c.port;
    }
}

#if defined(Q_OS_LINUX)
TEST(SerialDriverProduct, ReadsTheNearestUsbProductAboveTheTty) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir dir(root.path());
    const auto write = [&](const QString& path, const QByteArray& text) {
        ASSERT_TRUE(dir.mkpath(QFileInfo(root.filePath(path)).path()));
        QFile file(root.filePath(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    const auto link = [&](const QString& path, const QString& target) {
        ASSERT_TRUE(dir.mkpath(QFileInfo(root.filePath(path)).path()));
        ASSERT_EQ(symlink(target.toUtf8().constData(), root.filePath(path).toUtf8().constData()), 0);
    };
    // The USB device carries the product; its interface and the hub above carry their own or none.
    write("devices/usb1/product", "Hub\n");
    write("devices/usb1/1-1/product", "Karvelostrum\n");
    ASSERT_TRUE(dir.mkpath("devices/usb1/1-1/1-1:1.0/ttyUSB0"));
    link("class/tty/ttyUSB0/device", "../../../devices/usb1/1-1/1-1:1.0/ttyUSB0");
    ASSERT_TRUE(dir.mkpath("devices/platform/serial8250"));
    link("class/tty/ttyS0/device", "../../../devices/platform/serial8250");
    ASSERT_TRUE(dir.mkpath("class/tty/tty1"));
    link("class/tty/ttyGone/device", "../../../devices/usb2/2-1/2-1:1.0/ttyUSB1");

    const QString ttyClass = root.filePath("class/tty");
    struct Case {
        const char* port;
        const char* product;
    };
    for (const Case& c : {Case{"ttyUSB0", "Karvelostrum"}, Case{"ttyS0", ""}, Case{"tty1", ""},
                          Case{"ttyGone", ""}, Case{"nothing", ""}, Case{"../tty/ttyUSB0", ""}, Case{"", ""}}) {
        EXPECT_EQ(SerialDriver::UsbProductOf(ttyClass, QString::fromUtf8(c.port)), QString::fromUtf8(c.product))
            << c.port;
    }
}
#endif

int main(int argc, char** argv) {
    // QSerialPort's notifiers want an application object on this thread.
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
