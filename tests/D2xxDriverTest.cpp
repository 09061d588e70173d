// The D2XX binding, loaded from a stand-in library that carries the simulated unit.

#include "Clock.h"
#include "D2xxDriver.h"
#include "DeviceLink.h"
#include "Frames.h"
#include "StatusReply.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>
#include <string>
#include <vector>

static std::string ExchangeData(DeviceLink& link) {
    link.PurgeLink();
    link.WriteFrame(BuildFrame(PlainCommand::Data));
    ReplyArea area;
    link.ReadReply(area);
    return std::string(area.data(), kReplySize);
}

class D2xxDriverTest : public testing::Test {
protected:
    void SetUp() override {
        std::string why;
        m_driver = D2xxDriver::LoadFrom({STANDIN_PATH}, &why);
        ASSERT_NE(m_driver, nullptr) << why;
        EXPECT_TRUE(why.empty()) << why;
        // The very copy the binding loaded, to pull the stand-in's switches.
        m_standIn = dlopen(STANDIN_PATH, RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(m_standIn, nullptr);
        Control<void()>("StandIn_Reset")();
        m_link = std::make_unique<DeviceLink>(*m_driver, m_clock);
    }
    void TearDown() override {
        if (m_standIn != nullptr)
            dlclose(m_standIn);
    }

    template <typename Function>
    Function* Control(const char* name) {
        auto* function = reinterpret_cast<Function*>(dlsym(m_standIn, name));
        if (function == nullptr)
            ADD_FAILURE() << "stand-in lacks " << name;
        return function;
    }
    int Count(const char* name) { return Control<int()>(name)(); }
    void Unplug() { Control<void()>("StandIn_Unplug")(); }
    void Replug() { Control<void()>("StandIn_Replug")(); }
    void SetNoUsb(bool noUsb) { Control<void(int)>("StandIn_SetNoUsb")(noUsb ? 1 : 0); }

    // Opens the unit as the first poll tick does and checks the link is alive on the next one.
    void Connect() {
        ASSERT_FALSE(m_link->CheckLink());
        ASSERT_EQ(m_link->LastStatus(), FT_OK);
        ASSERT_TRUE(m_link->CheckLink());
    }

    std::unique_ptr<D2xxDriver> m_driver;
    void* m_standIn = nullptr;
    VirtualClock m_clock;
    std::unique_ptr<DeviceLink> m_link;
};

TEST_F(D2xxDriverTest, OpensConfiguresAndCarriesFrames) {
    EXPECT_FALSE(m_link->CheckLink());
    EXPECT_EQ(m_link->LastStatus(), FT_OK);
    EXPECT_NE(m_link->Handle(), nullptr);
    EXPECT_EQ(Control<std::uint32_t()>("StandIn_BaudRate")(), 115200u);
    EXPECT_EQ(Control<std::uint32_t()>("StandIn_ReadTimeout")(), 100u);
    EXPECT_EQ(Control<std::uint32_t()>("StandIn_WriteTimeout")(), 100u);
    EXPECT_EQ(m_clock.TakeSleeps(), std::vector<Millis>{Millis{100}});

    EXPECT_TRUE(m_link->CheckLink());
    EXPECT_EQ(ExchangeData(*m_link), "20:00S2002");
    m_link->WriteFrame(*BuildSettingFrame(SettingCommand::Tim, 45));
    m_link->WriteFrame(*BuildSettingFrame(SettingCommand::Amb, 5));
    EXPECT_EQ(ExchangeData(*m_link), "45:00S4505");
    EXPECT_EQ(Count("StandIn_UnitReceivedCount"), 4);
    EXPECT_EQ(Count("StandIn_StrangerHandleCalls"), 0);
}

TEST_F(D2xxDriverTest, UnplugLosesTheLinkAndReplugBringsItBack) {
    Connect();
    FT_HANDLE first = m_link->Handle();

    Unplug();
    EXPECT_FALSE(m_link->CheckLink());
    EXPECT_NE(m_link->LastStatus(), FT_OK);
    // Frames written while the unit is away vanish quietly; the read gets nothing.
    m_link->WriteFrame(BuildFrame(PlainCommand::Start));
    EXPECT_EQ(ExchangeData(*m_link), "----------");
    for (int tick = 0; tick < 3; ++tick)
        EXPECT_FALSE(m_link->CheckLink());
    EXPECT_EQ(Count("StandIn_UnitReceivedCount"), 0);

    Replug();
    EXPECT_FALSE(m_link->CheckLink());
    EXPECT_EQ(m_link->LastStatus(), FT_OK);
    EXPECT_NE(m_link->Handle(), first);
    EXPECT_TRUE(m_link->CheckLink());
    EXPECT_EQ(ExchangeData(*m_link), "20:00S2002");
    // Closing stale and null handles on every absent tick never reached the library.
    EXPECT_EQ(Count("StandIn_StrangerHandleCalls"), 0);
}

TEST_F(D2xxDriverTest, WithoutUsbTheLibraryIsNeverAskedToOpen) {
    SetNoUsb(true);
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_FALSE(m_link->CheckLink());
        EXPECT_EQ(m_link->LastStatus(), FT_DEVICE_NOT_FOUND);
    }
    EXPECT_EQ(Count("StandIn_OpenExCalls"), 0);
    EXPECT_TRUE(m_clock.TakeSleeps().empty());

    SetNoUsb(false);
    Connect();
    EXPECT_EQ(Count("StandIn_OpenExCalls"), 1);
}

TEST_F(D2xxDriverTest, ReadKeepsThePrefillWhereNothingArrived) {
    Connect();
    struct Case {
        int answerBytes;
        const char* reply;
    };
    for (const Case& c : {Case{0, "----------"}, Case{5, "20:00-----"}, Case{9, "20:00S200-"}, Case{-1, "20:00S2002"}}) {
        Control<void(int)>("StandIn_SetAnswerBytes")(c.answerBytes);
        EXPECT_EQ(ExchangeData(*m_link), c.reply) << c.answerBytes << " bytes";
    }
}

TEST_F(D2xxDriverTest, PurgeDropsAnAnswerNotYetRead) {
    Connect();
    m_link->WriteFrame(BuildFrame(PlainCommand::Data));
    m_link->PurgeLink();
    ReplyArea area;
    m_link->ReadReply(area);
    EXPECT_EQ(std::string(area.data()), "----------");
}

TEST_F(D2xxDriverTest, NullAndClosedHandlesFailWithoutReachingTheLibrary) {
    Connect();
    FT_HANDLE closed = m_link->Handle();
    ASSERT_EQ(m_driver->Close(closed), FT_OK);

    for (FT_HANDLE handle : {FT_HANDLE{nullptr}, closed}) {
        std::uint32_t word = 0;
        EXPECT_NE(m_driver->GetModemStatus(handle, &word), FT_OK);
        EXPECT_NE(m_driver->Close(handle), FT_OK);
        char buffer[4] = {'x', 'x', 'x', 'x'};
        std::uint32_t count = 99;
        EXPECT_NE(m_driver->Read(handle, buffer, sizeof buffer, &count), FT_OK);
        EXPECT_EQ(count, 0u);
        EXPECT_EQ(std::string(buffer, sizeof buffer), "xxxx");
        count = 99;
        EXPECT_NE(m_driver->Write(handle, "abc", 3, &count), FT_OK);
        EXPECT_EQ(count, 0u);
        EXPECT_NE(m_driver->Purge(handle, kPurgeBoth), FT_OK);
    }
    EXPECT_EQ(Count("StandIn_StrangerHandleCalls"), 0);

    // The link recovers from a handle closed under it.
    EXPECT_FALSE(m_link->CheckLink());
    EXPECT_TRUE(m_link->CheckLink());
}

TEST(D2xxDriverLoad, RefusesWhatCannotServeTheLink) {
    struct Case {
        std::vector<std::string> candidates;
        std::vector<std::string> reasonMentions;
    };
    const std::vector<Case> cases = {
        {{"/nonexistent/libftd2xx.so"}, {"/nonexistent/libftd2xx.so"}},
        {{STANDIN_NOPURGE_PATH}, {STANDIN_NOPURGE_PATH, "lacks FT_Purge"}},
        {{"/nonexistent/a.so", STANDIN_NOPURGE_PATH}, {"/nonexistent/a.so", "lacks FT_Purge"}},
        {{}, {"no D2XX library"}},
    };
    for (const Case& c : cases) {
        std::string why;
        EXPECT_EQ(D2xxDriver::LoadFrom(c.candidates, &why), nullptr);
        for (const std::string& mention : c.reasonMentions)
            EXPECT_NE(why.find(mention), std::string::npos) << why;
        EXPECT_EQ(D2xxDriver::LoadFrom(c.candidates, nullptr), nullptr);
    }
}

TEST(D2xxDriverLoad, TakesTheFirstCandidateThatServes) {
    std::string why = "stale";
    auto driver = D2xxDriver::LoadFrom({"/nonexistent/libftd2xx.so", STANDIN_NOPURGE_PATH, STANDIN_PATH}, &why);
    ASSERT_NE(driver, nullptr) << why;
    EXPECT_EQ(driver->LibraryPath(), STANDIN_PATH);
    EXPECT_TRUE(why.empty());
}

TEST(D2xxDriverLoad, LeavesTheBareNameToTheLoader) {
    // A library of that name the loader already holds is found by the bare name, as one on
    // LD_LIBRARY_PATH would be. (A run path would not do: the sanitizers' dlopen hides it.)
    void* standIn = dlopen(STANDIN_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(standIn, nullptr) << dlerror();
    std::string why;
    auto driver = D2xxDriver::Load(&why);
    ASSERT_NE(driver, nullptr) << why;
    EXPECT_EQ(driver->LibraryPath(), D2xxDriver::StandardCandidates().front());
    dlclose(standIn);
}
