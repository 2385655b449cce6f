#pragma once
// Runs test work on a thread with a small stack, so any recursion whose depth
// follows the input overflows and fails the test.

#include <gtest/gtest.h>

#include <functional>
#include <pthread.h>

namespace vlm::test {

inline void OnSmallStack(std::function<void()> work, std::size_t stackBytes = 256 * 1024) {
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, stackBytes);
    pthread_t thread;
    auto trampoline = [](void* arg) -> void* {
        (*static_cast<std::function<void()>*>(arg))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attr, trampoline, &work), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
}

} // namespace vlm::test
