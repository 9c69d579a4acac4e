#pragma once
// Nothing may unwind into the Explorer: every entry point of the library runs its body through
// Guarded, which turns an escaping exception into an error result.
#include <windows.h>

#include <new>

template <class Body> HRESULT Guarded(Body&& body) noexcept
{
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}
