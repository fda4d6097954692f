// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

#pragma once

// Shared by the Windows start-up benchmarks: how long ago this process was
// started, and a watch that reports when a window has first been painted and
// then ends the message loop. Benchmark code only: the program itself reads
// no environment.

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace startup_bench {

inline double Milliseconds(const FILETIME &time)
{
    ULARGE_INTEGER value{};
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 10000.0; // 100 ns units
}

inline double Now()
{
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    return Milliseconds(now);
}

// Milliseconds since the window system created this process.
inline double SinceCreation()
{
    FILETIME creation{}, exit{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
    return Now() - Milliseconds(creation);
}

// Milliseconds since the driver script started the process: it sets
// BRENVIK_BENCH_START to the wall-clock time (seconds since 1970 with a
// fraction, as bash's $EPOCHREALTIME gives it) just before. Under Wine this
// also counts Wine's own loader, which runs before the process exists for
// Windows. -1 without it.
inline double SinceLaunch()
{
    const char *start = std::getenv("BRENVIK_BENCH_START");
    if (!start)
        return -1.0;
    char *end = nullptr;
    const double seconds = std::strtod(start, &end);
    if (end == start)
        return -1.0;
    constexpr double epochTo1601Ms = 11644473600000.0;
    return Now() - (seconds * 1000.0 + epochTo1601Ms);
}

// Processor time this process has used so far, all its threads.
inline double ProcessorMs()
{
    FILETIME creation{}, exit{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
    return Milliseconds(kernel) + Milliseconds(user);
}

// Watches the message loop of this thread for the first WM_PAINT of `window`
// or of any window in it; it is made once the window is made, just before
// it is shown. Once that paint and every other one it brought along are
// done (no paint waiting in the queue), prints
//   main_ms=<entry point> made_ms=<window made> first_paint_ms=<paint done>
//   launch_ms=<the same from the script's start, or -1>
//   cpu_ms=<processor time so far>
// (the first three since process creation) and posts WM_QUIT. Gives up with
// exit code 1 when nothing has been painted after 30 s.
class FirstPaintWatch
{
public:
    FirstPaintWatch(HWND window, double mainMs)
    {
        made = SinceCreation();
        watched = window;
        entered = mainMs;
        hook = SetWindowsHookExW(WH_GETMESSAGE, Hook, nullptr, GetCurrentThreadId());
        SetTimer(nullptr, 0, 30000, [](HWND, UINT, UINT_PTR, DWORD) {
            std::fprintf(stderr, "The window was not painted within 30 s\n");
            ExitProcess(1);
        });
    }
    ~FirstPaintWatch()
    {
        if (hook)
            UnhookWindowsHookEx(hook);
    }
    FirstPaintWatch(const FirstPaintWatch &) = delete;
    FirstPaintWatch &operator=(const FirstPaintWatch &) = delete;

private:
    // Posted after each paint: posted messages come before the next WM_PAINT.
    static constexpr UINT afterPaint = WM_APP + 0x2A;

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto *message = reinterpret_cast<const MSG *>(lParam);
        if (code == HC_ACTION && wParam == PM_REMOVE && !reported) {
            if (message->message == WM_PAINT && (message->hwnd == watched || IsChild(watched, message->hwnd)))
                PostThreadMessageW(GetCurrentThreadId(), afterPaint, 0, 0);
            else if (message->message == afterPaint && !message->hwnd
                     && !(HIWORD(GetQueueStatus(QS_PAINT)) & QS_PAINT))
                Report();
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static void Report()
    {
        reported = true;
        GdiFlush();
        const double paintMs = SinceCreation();
        const double launchMs = SinceLaunch();
        std::printf("main_ms=%.2f made_ms=%.2f first_paint_ms=%.2f launch_ms=%.2f cpu_ms=%.2f\n", entered,
                    made, paintMs, launchMs, ProcessorMs());
        std::fflush(stdout);
        PostQuitMessage(0);
    }

    static inline HWND watched = nullptr;
    static inline double entered = 0.0;
    static inline double made = 0.0;
    static inline bool reported = false;
    HHOOK hook = nullptr;
};

} // namespace startup_bench
