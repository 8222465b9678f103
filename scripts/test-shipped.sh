#!/usr/bin/env bash
# Tests a release zip as a pilot gets it: its contents, the DLLs each program
# imports, and the end-to-end smoke run (the link and the tools, Hardcore
# Mode's hand-over, flying, moves and closing) with the programs unpacked
# from it.
#   test-shipped.sh ZIP OBJDUMP E2E_TESTS_EXE
# Exit 77 (skipped) after the static checks when this machine cannot run the
# zip's programs (32-bit programs on a kernel without 32-bit support).
set -euo pipefail
zip=$1 objdump=$2 tests=$3
here=$(cd "$(dirname "$0")" && pwd)

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
cmake -E chdir "$unpacked" cmake -E tar xf "$zip"

expected="Wendox/
Wendox/Licence.txt
Wendox/Licences/
Wendox/Licences/GCC.txt
Wendox/Licences/MinGW-w64.txt
Wendox/ReadMe.txt
Wendox/Wendox.htm
Wendox/sound_failure.wav
Wendox/sound_ok.wav
Wendox/sound_warning.wav
Wendox/tools/
Wendox/tools/linkprobe.exe
Wendox/tools/standin.exe
Wendox/wendox.exe
Wendox/wendoxhc.exe"
actual=$(cd "$unpacked" && find Wendox -type d -printf '%p/\n' -o -type f -print | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
  echo "The zip holds other files than it should:"
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi

# Only DLLs that every Windows has; nothing of the compiler's runtime.
needs_vista=no
allowed="advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll version.dll winmm.dll"
for exe in "$unpacked"/Wendox/*.exe "$unpacked"/Wendox/tools/*.exe; do
  headers=$("$objdump" -p "$exe")
  subsystem=$(awk '/MajorSubsystemVersion/{ma=$2} /MinorSubsystemVersion/{mi=$2} END{print ma "." mi}' <<<"$headers")
  dlls=$(awk '/DLL Name:/{print tolower($3)}' <<<"$headers" | sort -u)
  # Imports that Windows XP does not have: they make Vista the oldest.
  late=$(grep -owE 'GetTickCount64|InitializeConditionVariable|SleepConditionVariableCS|AcquireSRWLockExclusive|InitOnceExecuteOnce|GetFileInformationByHandleEx|CreateSymbolicLinkA' <<<"$headers" | sort -u | tr '\n' ' ' || true)
  [ -z "$late" ] || needs_vista=yes
  echo "$(basename "$exe"): subsystem $subsystem; imports $(tr '\n' ' ' <<<"$dlls"); needs more than XP: ${late:-nothing}"
  # The program's icon: three images (48, 32 and 16 pixels) in the resources.
  icons=$(awk '/^[0-9a-f]+   Entry: ID: 0x000003,/{getline; n=$NF} END{print n}' <<<"$headers")
  if [ "$icons" != 3 ]; then
    echo "$(basename "$exe") should carry the program's icon in three sizes"
    exit 1
  fi
  for dll in $dlls; do
    case " $allowed " in
      *" $dll "*) ;;
      *) echo "$(basename "$exe") imports $dll, which not every Windows has"; exit 1 ;;
    esac
  done
done

# The read-me names the oldest Windows the imports allow.
oldest="Windows XP"
[ "$needs_vista" = no ] || oldest="Windows Vista"
if ! grep -q "Runs on $oldest or later" "$unpacked/Wendox/ReadMe.txt"; then
  echo "ReadMe.txt should say: Runs on $oldest or later."
  exit 1
fi

if "$objdump" -f "$unpacked/Wendox/wendox.exe" | grep -q 'pei-i386' && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "This machine cannot run 32-bit programs (no wine32, or a kernel without 32-bit support): the smoke run is skipped."
  exit 77
fi

folder=$(cd "$unpacked/Wendox" && pwd)
WENDOX_PROGRAMS="Z:${folder//\//\\}" "$here/wine-run.sh" "$tests" \
  --gtest_filter='LinkEndToEnd.*:HardcoreEndToEnd.*'
