#pragma once

#include <sys/stat.h>

// The process's file-creation mask, set for a test's scope and put back after it.
class Umask final
{
public:
    explicit Umask(mode_t mask) : m_old(::umask(mask)) {}
    ~Umask() { ::umask(m_old); }
    Umask(const Umask&) = delete;
    Umask& operator=(const Umask&) = delete;

private:
    mode_t m_old;
};
