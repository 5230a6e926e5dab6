// The few pieces of the C++ runtime that the executable takes from here
// instead of from the standard library.
//
// The program catches no exception: a failed allocation or a container asked
// for an impossible length ends it, as an uncaught exception would. Taking
// these functions from the library would link its whole exception runtime
// (unwinder, demangling terminate handler, message strings), about a third
// of the executable. Linked into Varnomel.exe only; the test programs keep
// the library's own.
#include <cstdlib>
#include <new>

namespace std {

[[noreturn]] void __throw_bad_alloc() { std::abort(); }
[[noreturn]] void __throw_bad_array_new_length() { std::abort(); }
[[noreturn]] void __throw_length_error(const char*) { std::abort(); }
[[noreturn]] void __throw_logic_error(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
// Declared noreturn by the library already, and Clang wants the attribute only there.
void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept { std::abort(); }

}  // namespace std

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    std::abort();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
