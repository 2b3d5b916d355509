# Sourced by the sanitizer and fuzz scripts: every sanitizer report stops the program with a
# failure. LeakSanitizer ignores only the third-party leaks listed in lsan.supp.
sanitizer_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$sanitizer_root/tests/reliability/lsan.supp:print_suppressions=0
