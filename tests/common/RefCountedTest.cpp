#include <orvek/util/RefCounted.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

using orvek::internal::RefCounted;

class Tracked final : public RefCounted {
public:
    explicit Tracked(int& destroyed) : m_destroyed(destroyed) {}

private:
    ~Tracked() override { ++m_destroyed; }
    int& m_destroyed;
};

TEST(RefCountedTest, DestroyedAtTheLastUnrefOnly) {
    int destroyed = 0;
    auto* object = new Tracked(destroyed);
    object->ref();
    object->unref();
    EXPECT_EQ(destroyed, 0);
    object->unref();
    EXPECT_EQ(destroyed, 1);
}

TEST(RefCountedTest, SharedAcrossThreadsIsDestroyedExactlyOnce) {
    int destroyed = 0;
    auto* object = new Tracked(destroyed);
    constexpr int kThreads = 8;
    constexpr int kRefsPerThread = 1000;
    for (int i = 0; i < kThreads * kRefsPerThread; ++i) object->ref();

    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([object] {
            for (int i = 0; i < kRefsPerThread; ++i) object->unref();
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(destroyed, 0);
    object->unref();
    EXPECT_EQ(destroyed, 1);
}

}  // namespace
