// Both serial transports against the in-memory HAL ports: opening and closing,
// each failing set-up step, data reaching the callback on the reader thread,
// callbacks replaced while the reader runs, and writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#include "hal/SerialPort.h"
#include "hal/simulation/SerialPortControl.h"
#include "orvek/util/serial/UartSerialIO.h"
#include "orvek/util/serial/UsbSerialIO.h"

namespace {

using orvek::internal::UartSerialIO;
using orvek::internal::UsbSerialIO;

// Polls `done` for up to five seconds (generous for sanitizer builds).
bool WaitFor(const std::function<bool()>& done) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Bytes a callback received, with the threads it ran on.
class Received {
public:
    orvek::internal::SerialReadCallback Callback() {
        return [this](const uint8_t* data, size_t length) {
            std::lock_guard lock(m_mutex);
            m_bytes.append(reinterpret_cast<const char*>(data), length);
            m_threads.push_back(std::this_thread::get_id());
            m_largestChunk = std::max(m_largestChunk, length);
        };
    }
    std::string Bytes() const {
        std::lock_guard lock(m_mutex);
        return m_bytes;
    }
    std::vector<std::thread::id> Threads() const {
        std::lock_guard lock(m_mutex);
        return m_threads;
    }
    size_t LargestChunk() const {
        std::lock_guard lock(m_mutex);
        return m_largestChunk;
    }
    bool WaitForSize(size_t size) const {
        return WaitFor([&] { return Bytes().size() >= size; });
    }

private:
    mutable std::mutex m_mutex;
    std::string m_bytes;
    std::vector<std::thread::id> m_threads;
    size_t m_largestChunk = 0;
};

template <class Transport>
class SerialTransportTest : public ::testing::Test {
protected:
    // The UART transport is used on the MXP port, the USB one on USB1.
    static constexpr HAL_SerialPort kPort =
        std::is_same_v<Transport, UartSerialIO> ? HAL_SerialPort_MXP : HAL_SerialPort_USB1;

    void SetUp() override { HALSIM_ResetSerialPorts(); }
    void TearDown() override { HALSIM_ResetSerialPorts(); }

    static HALSIM_SerialPortState State() {
        HALSIM_SerialPortState state{};
        HALSIM_GetSerialPortState(kPort, &state);
        return state;
    }
    static void Feed(const std::string& bytes) {
        HALSIM_FeedSerialPort(kPort, bytes.data(), static_cast<int32_t>(bytes.size()));
    }
    static std::string Written() {
        std::string all;
        char buffer[512];
        while (int32_t got = HALSIM_TakeSerialWritten(kPort, buffer, sizeof buffer)) all.append(buffer, got);
        return all;
    }
};

using Transports = ::testing::Types<UartSerialIO, UsbSerialIO>;
TYPED_TEST_SUITE(SerialTransportTest, Transports);

TYPED_TEST(SerialTransportTest, UnopenedTransportNeverCallsTheHal) {
    {
        TypeParam transport(this->kPort, 115200);
        EXPECT_FALSE(transport.isOpen());
        transport.close();
        const uint8_t byte = 1;
        transport.writeBytes(&byte, 1);
        transport.setReadCallback([](const uint8_t*, size_t) {});
    }
    EXPECT_EQ(HALSIM_GetSerialCallCount(), 0);
}

TYPED_TEST(SerialTransportTest, OpenSetsTheLineAndCloseReleasesThePortOnce) {
    TypeParam transport(this->kPort, 115200);
    ASSERT_TRUE(transport.open());
    EXPECT_TRUE(transport.isOpen());
    HALSIM_SerialPortState open = this->State();
    EXPECT_TRUE(open.open);
    EXPECT_EQ(open.baud, 115200);
    EXPECT_EQ(open.parity, 0);
    EXPECT_EQ(open.stopBits, 10);
    EXPECT_EQ(open.dataBits, 8);
    EXPECT_EQ(open.timeoutSeconds, 0.001);

    EXPECT_TRUE(transport.open());  // already open: nothing new
    EXPECT_EQ(this->State().initializeCount, 1);

    transport.close();
    EXPECT_FALSE(transport.isOpen());
    EXPECT_FALSE(this->State().open);
    EXPECT_EQ(this->State().closeCount, 1);
    transport.close();
    EXPECT_EQ(this->State().closeCount, 1);
}

TYPED_TEST(SerialTransportTest, DestructionClosesAnOpenPort) {
    {
        TypeParam transport(this->kPort, 9600);
        ASSERT_TRUE(transport.open());
    }
    EXPECT_FALSE(this->State().open);
    EXPECT_EQ(this->State().closeCount, 1);
}

TYPED_TEST(SerialTransportTest, FailedInitializationClosesNothing) {
    HALSIM_FailSerialCall(this->kPort, HALSIM_SerialCall_Initialize, 1);
    TypeParam transport(this->kPort, 9600);
    EXPECT_FALSE(transport.open());
    EXPECT_FALSE(transport.isOpen());
    EXPECT_EQ(this->State().closeCount, 0);
    EXPECT_EQ(HALSIM_GetSerialCallCount(), 1);  // no set-up call after the failure
    transport.close();
    EXPECT_EQ(HALSIM_GetSerialCallCount(), 1);
}

// A port held by someone else is an initialisation failure like any other.
TYPED_TEST(SerialTransportTest, PortInUseFailsToOpen) {
    TypeParam first(this->kPort, 9600);
    TypeParam second(this->kPort, 9600);
    ASSERT_TRUE(first.open());
    EXPECT_FALSE(second.open());
    EXPECT_TRUE(this->State().open);
    EXPECT_EQ(this->State().closeCount, 0);
}

TYPED_TEST(SerialTransportTest, EachFailedSetUpStepClosesThePortExactlyOnce) {
    const HALSIM_SerialCall steps[] = {HALSIM_SerialCall_BaudRate, HALSIM_SerialCall_Parity, HALSIM_SerialCall_StopBits,
                                       HALSIM_SerialCall_DataBits, HALSIM_SerialCall_Timeout};
    TypeParam transport(this->kPort, 57600);
    int32_t expectedCloses = 0;
    for (HALSIM_SerialCall step : steps) {
        SCOPED_TRACE(step);
        HALSIM_FailSerialCall(this->kPort, step, 1);
        EXPECT_FALSE(transport.open());
        EXPECT_FALSE(transport.isOpen());
        ++expectedCloses;
        HALSIM_SerialPortState state = this->State();
        EXPECT_FALSE(state.open);
        EXPECT_EQ(state.closeCount, expectedCloses);
        transport.close();  // closed already: no second release
        EXPECT_EQ(this->State().closeCount, expectedCloses);
    }
    EXPECT_TRUE(transport.open());  // every rule used up: the next open works
}

TYPED_TEST(SerialTransportTest, FedBytesReachTheCallbackOnTheReaderThread) {
    Received received;
    TypeParam transport(this->kPort, 115200);
    transport.setReadCallback(received.Callback());
    ASSERT_TRUE(transport.open());
    this->Feed("hello");
    ASSERT_TRUE(received.WaitForSize(5));
    EXPECT_EQ(received.Bytes(), "hello");
    for (std::thread::id id : received.Threads()) EXPECT_NE(id, std::this_thread::get_id());

    std::string large;
    for (int i = 0; i < 1500; ++i) large.push_back(static_cast<char>(i * 7));
    this->Feed(large);
    ASSERT_TRUE(received.WaitForSize(5 + large.size()));
    EXPECT_EQ(received.Bytes(), "hello" + large);
    EXPECT_LE(received.LargestChunk(), 512u);
}

TYPED_TEST(SerialTransportTest, WithoutACallbackReadBytesAreDropped) {
    Received received;
    TypeParam transport(this->kPort, 115200);
    ASSERT_TRUE(transport.open());
    this->Feed("lost");
    ASSERT_TRUE(WaitFor([&] { return this->State().pendingReadBytes == 0; }));
    transport.setReadCallback(received.Callback());
    this->Feed("kept");
    ASSERT_TRUE(received.WaitForSize(4));
    EXPECT_EQ(received.Bytes(), "kept");
}

TYPED_TEST(SerialTransportTest, FailedReadsOnlySkipTheCallback) {
    Received received;
    TypeParam transport(this->kPort, 115200);
    transport.setReadCallback(received.Callback());
    HALSIM_FailSerialCall(this->kPort, HALSIM_SerialCall_Read, 3);
    ASSERT_TRUE(transport.open());
    this->Feed("after");
    ASSERT_TRUE(received.WaitForSize(5));
    EXPECT_EQ(received.Bytes(), "after");
}

TYPED_TEST(SerialTransportTest, CloseWaitsForTheReaderAndItsCallback) {
    std::atomic<bool> inCallback{false};
    std::atomic<bool> callbackFinished{false};
    std::atomic<int> calls{0};
    TypeParam transport(this->kPort, 115200);
    transport.setReadCallback([&](const uint8_t*, size_t) {
        ++calls;
        inCallback = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        callbackFinished = true;
    });
    ASSERT_TRUE(transport.open());
    this->Feed("x");
    ASSERT_TRUE(WaitFor([&] { return inCallback.load(); }));
    transport.close();
    EXPECT_TRUE(callbackFinished.load());
    this->Feed("y");
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(calls.load(), 1);
    EXPECT_EQ(this->State().pendingReadBytes, 1);  // nobody reads a closed port
}

TYPED_TEST(SerialTransportTest, TransportReopensAfterClose) {
    Received received;
    TypeParam transport(this->kPort, 115200);
    transport.setReadCallback(received.Callback());
    ASSERT_TRUE(transport.open());
    transport.close();
    ASSERT_TRUE(transport.open());
    EXPECT_EQ(this->State().initializeCount, 2);
    this->Feed("again");
    ASSERT_TRUE(received.WaitForSize(5));
    EXPECT_EQ(received.Bytes(), "again");
}

TYPED_TEST(SerialTransportTest, WritesReachThePortOnlyWhileOpen) {
    TypeParam transport(this->kPort, 115200);
    const std::string message = "pavonix";
    auto write = [&] { transport.writeBytes(reinterpret_cast<const uint8_t*>(message.data()), message.size()); };
    write();
    EXPECT_EQ(HALSIM_GetSerialCallCount(), 0);
    ASSERT_TRUE(transport.open());
    write();
    write();
    EXPECT_EQ(this->Written(), message + message);
    HALSIM_FailSerialCall(this->kPort, HALSIM_SerialCall_Write, 1);
    write();
    EXPECT_EQ(this->Written(), "");
    transport.writeBytes(nullptr, 3);
    transport.close();
    write();
    EXPECT_EQ(this->Written(), "");
}

// Writers on other threads and the reader run together.
TYPED_TEST(SerialTransportTest, ConcurrentWritesKeepEveryByte) {
    TypeParam transport(this->kPort, 115200);
    ASSERT_TRUE(transport.open());
    std::vector<std::thread> writers;
    for (int w = 0; w < 4; ++w) {
        writers.emplace_back([&transport, w] {
            const uint8_t byte = static_cast<uint8_t>('a' + w);
            for (int i = 0; i < 200; ++i) transport.writeBytes(&byte, 1);
        });
    }
    for (auto& writer : writers) writer.join();
    std::string written = this->Written();
    ASSERT_EQ(written.size(), 800u);
    for (char c : {'a', 'b', 'c', 'd'}) EXPECT_EQ(std::count(written.begin(), written.end(), c), 200);
}

// The callback answers from the reader thread: a write from inside it must not block.
TYPED_TEST(SerialTransportTest, CallbackMayWriteAnAnswer) {
    TypeParam transport(this->kPort, 115200);
    transport.setReadCallback([&transport](const uint8_t* data, size_t length) { transport.writeBytes(data, length); });
    ASSERT_TRUE(transport.open());
    this->Feed("echo");
    std::string echoed;
    ASSERT_TRUE(WaitFor([&] {
        echoed += this->Written();
        return echoed.size() >= 4;
    }));
    EXPECT_EQ(echoed, "echo");
}

// A callback that hangs up leaves the transport closed when close returns: the
// port released once, nothing written, no further calls; it reopens from outside.
TYPED_TEST(SerialTransportTest, CallbackMayCloseItsTransport) {
    std::atomic<int> calls{0};
    std::atomic<bool> openAfterClose{true};
    std::atomic<int> closesAfterClose{-1};
    TypeParam transport(this->kPort, 115200);
    transport.setReadCallback([&](const uint8_t*, size_t) {
        if (++calls > 1) return;
        transport.close();
        openAfterClose = transport.isOpen();
        closesAfterClose = this->State().closeCount;
        const uint8_t byte = 'x';
        transport.writeBytes(&byte, 1);
    });
    ASSERT_TRUE(transport.open());
    this->Feed("a");
    ASSERT_TRUE(WaitFor([&] { return closesAfterClose.load() >= 0; }));
    EXPECT_FALSE(openAfterClose.load());
    EXPECT_EQ(closesAfterClose.load(), 1);
    EXPECT_FALSE(transport.isOpen());
    this->Feed("b");
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(calls.load(), 1);
    EXPECT_EQ(this->Written(), "");
    transport.close();
    EXPECT_EQ(this->State().closeCount, 1);

    ASSERT_TRUE(transport.open());
    EXPECT_EQ(this->State().initializeCount, 2);
    ASSERT_TRUE(WaitFor([&] { return calls.load() == 2; }));  // "b" waited in the reopened port
    transport.close();
    EXPECT_EQ(this->State().closeCount, 2);
}

// Bytes keep flowing while the callback is swapped: every byte goes to exactly
// one callback, and a replaced callback is never called after the swap returns.
TYPED_TEST(SerialTransportTest, CallbackReplacedWhileTheReaderRuns) {
    Received first, second;
    std::atomic<bool> stop{false};
    TypeParam transport(this->kPort, 115200);
    transport.setReadCallback(first.Callback());
    ASSERT_TRUE(transport.open());
    constexpr int kBytes = 400;
    std::thread feeder([&] {
        for (int i = 0; i < kBytes && !stop; ++i) {
            this->Feed("z");
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });
    ASSERT_TRUE(WaitFor([&] { return !first.Bytes().empty(); }));
    transport.setReadCallback(second.Callback());
    size_t firstAtSwap = first.Bytes().size();
    feeder.join();
    ASSERT_TRUE(WaitFor([&] { return first.Bytes().size() + second.Bytes().size() >= kBytes; }));
    EXPECT_EQ(first.Bytes().size(), firstAtSwap);
    EXPECT_EQ(first.Bytes().size() + second.Bytes().size(), static_cast<size_t>(kBytes));
}

}  // namespace
