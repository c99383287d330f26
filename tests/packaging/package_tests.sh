#!/usr/bin/env bash
# Checks the release packages the way their users meet them. Builds them with
# scripts/package.sh, then:
#   .deb   lintian; installed with apt-get; quorvane-cli from the PATH on the
#          sample; quorvane's --version, --help and a wrong option; the
#          installed .desktop entry (a file, text files), metainfo and manual
#          pages validated and rendered; the bash completion of quorvane-cli
#          found by bash-completion and completing; removed with apt-get
#   zip    exactly its three files, README.txt with CR LF line ends
#   setup  installed silently under wine (32-bit wine where there is one) into
#          a fresh prefix; the installed Quorvane.exe carries its manifest and
#          passes the start-up group of the end-to-end driver; "Open with" for
#          .txt registered, .txt's default program unchanged; the silent
#          uninstall takes away every file, the shortcut and every registry
#          key it added
# Installing the .deb needs root, or sudo.
set -euo pipefail
cd "$(dirname "$0")/../.."
export LC_ALL=C

passed=0
failed=0
check() {  # check NAME COMMAND...: passes when COMMAND succeeds
    local name=$1
    shift
    if "$@"; then
        echo "[ OK ] $name"
        passed=$((passed + 1))
    else
        echo "[FAIL] $name" >&2
        failed=$((failed + 1))
    fi
}
same() { [[ $1 == "$2" ]] || { printf 'got:      [%s]\nexpected: [%s]\n' "$1" "$2" >&2; return 1; }; }
has() { [[ $1 == *"$2"* ]] || { printf '[%s] lacks [%s]\n' "$1" "$2" >&2; return 1; }; }
lists() { grep -Fx -- "$2" <<<"$1" >/dev/null || { echo "no line [$2]" >&2; return 1; }; }

as_root=()
[[ $(id -u) == 0 ]] || as_root=(sudo)

scripts/install-deps.sh all
version=$(sed -n 's/^project(Quorvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
listed=$(scripts/package.sh)
packages=build/packages
deb=$packages/quorvane_${version}_amd64.deb
zip=$packages/Quorvane-${version}-win32.zip
setup=$packages/Quorvane-${version}-win32-setup.exe
check "package.sh prints the paths of the three packages" \
    same "$listed" "$PWD/$deb"$'\n'"$PWD/$zip"$'\n'"$PWD/$setup"

echo "--- $deb"
lint_status=0
lint=$(lintian --fail-on error "$deb" 2>&1) || lint_status=$?
echo "$lint"
check "lintian reports no error" same "$lint_status" 0

remove_deb() {
    if [[ $(dpkg-query -W -f='${Status}' quorvane 2>/dev/null || true) == "install ok installed" ]]; then
        "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq quorvane >/dev/null
    fi
}
wine_prefix=$PWD/build/package-tests/wine-prefix
end_wine() { WINEPREFIX=$wine_prefix /usr/lib/wine/wineserver -k 2>/dev/null || true; }
trap 'remove_deb; end_wine' EXIT
remove_deb
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
check "the package is installed at version $version" \
    same "$(dpkg-query -W -f='${Status} ${Version}' quorvane)" "install ok installed $version"
check "quorvane-cli from the PATH evaluates the sample" \
    same "$(quorvane-cli samples/sample.txt)" $'168.00\n2.00\n26.60'
check "quorvane-cli tells the package's version" same "$(quorvane-cli --version)" "quorvane-cli $version"
files=$(dpkg -L quorvane)
completion=/usr/share/bash-completion/completions/quorvane-cli
for file in /usr/bin/quorvane /usr/bin/quorvane-cli /usr/share/icons/hicolor/16x16/apps/quorvane.png \
    /usr/share/icons/hicolor/32x32/apps/quorvane.png /usr/share/doc/quorvane/copyright "$completion"; do
    check "installs $file" lists "$files" "$file"
done
check "quorvane tells the package's version" same "$(quorvane --version)" "quorvane $version"
check "quorvane --help names the file argument" has "$(quorvane --help)" "Usage: quorvane [FILE]"
check "quorvane refuses a wrong option with status 2" \
    same "$(quorvane --wrong 2>&1 || echo "status $?")" \
    $'quorvane: unknown option \'--wrong\'\nTry \'quorvane --help\'.\nstatus 2'
desktop=$(</usr/share/applications/quorvane.desktop)
check "the menu entry takes a file" lists "$desktop" "Exec=quorvane %f"
check "and offers itself for text files" lists "$desktop" "MimeType=text/plain;"
check "the package makes itself no default program" same "$(grep mimeapps <<<"$files" || true)" ""
check "desktop-file-validate passes" desktop-file-validate /usr/share/applications/quorvane.desktop
metainfo=/usr/share/metainfo/org.example.quorvane.metainfo.xml
check "appstreamcli validate passes" appstreamcli validate --no-net "$metainfo"
check "the metainfo names this release" has "$(<"$metainfo")" "<release version=\"$version\""
man_warnings=$(mktemp)
for program in quorvane quorvane-cli; do
    page=$(man -l --warnings "/usr/share/man/man1/$program.1.gz" 2>"$man_warnings")
    check "man -l renders the page of $program" has "$page" "$program -"
    check "without a warning" same "$(<"$man_warnings")" ""
done
rm -f "$man_warnings"
# complete WORD...: what bash-completion, loading the installed completion as
# it loads any, offers for the last word of the command line.
complete_words() {
    bash -c 'source /usr/share/bash-completion/bash_completion
             _completion_loader quorvane-cli
             COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE="$*" COMP_POINT=${#COMP_LINE}
             _quorvane_cli 2>/dev/null
             printf "%s\n" "${COMPREPLY[@]}"' sh quorvane-cli "$@"
}
check "bash-completion finds the completion of quorvane-cli" \
    same "$(bash -c 'source /usr/share/bash-completion/bash_completion
                     _completion_loader quorvane-cli; complete -p quorvane-cli')" \
    "complete -F _quorvane_cli quorvane-cli"
check "it completes the long options" same "$(complete_words --)" $'--quiet\n--jobs\n--help\n--version'
check "and file names, after -o too" \
    same "$(cd samples && complete_words sam && complete_words -q -o sam)" $'sample.txt\nsample.txt'
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq quorvane >/dev/null
check "apt-get remove takes the programs away" \
    same "$(ls /usr/bin/quorvane /usr/bin/quorvane-cli 2>/dev/null || true)" ""

echo "--- $zip"
check "the zip holds exactly its three files" \
    same "$(unzip -Z1 "$zip" | sort)" $'Quorvane.exe\nREADME.txt\nSkinMagicTrial.dll'
readme=$(mktemp)
unzip -p "$zip" README.txt >"$readme"
check "README.txt has CR LF line ends only" same "$(grep -c $'\r$' "$readme")" "$(wc -l <"$readme")"
check "README.txt tells how to replace the skinning library" \
    has "$(<"$readme")" "copy that SkinMagicTrial.dll over this one"
rm -f "$readme"

echo "--- $setup under wine"
wine32=${QUORVANE_WINE32:-/usr/lib/wine/wine}
wine64=/usr/lib/wine/wine64
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target quorvane_win32_tests >/dev/null
rm -rf "$wine_prefix"
mkdir -p "$(dirname "$wine_prefix")"
sh tests/win32/wine.sh prefix "$wine64" "$wine_prefix" tests/win32/wine-prefix.reg
# Where the installer puts the programs, and the registry's root of its
# entry: a 32-bit program on 64-bit Windows writes under Wow6432Node.
if cannot=$(sh tests/win32/wine.sh probe "$wine32" "$wine_prefix"); then
    no_32_bit=
    wine=$wine32
    folder="Program Files (x86)/Quorvane"
    software='Software\\Wow6432Node'
else
    twin=build/package-tests/Quorvane-${version}-win64-setup.exe
    no_32_bit="$cannot: THE INSTALLER'S CHECKS RUN ITS 64-BIT TWIN $twin UNDER $wine64, NOT THE SHIPPED 32-BIT $setup"
    echo "$no_32_bit"
    cmake --build --preset win64 --target Quorvane SkinMagicTrial >/dev/null
    cpack --preset windows-twin64 >/dev/null
    rm -rf build/package-tests/_CPack_Packages
    setup=$twin
    wine=$wine64
    folder="Program Files/Quorvane"
    software='Software'
fi
export WINEPREFIX=$wine_prefix WINEDEBUG=-all
# in_wine PROGRAM ARGS...: runs a Windows program and waits for every process it started.
in_wine() {
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c '"$@" && /usr/lib/wine/wineserver -w' sh "$wine" "$@"
}
drive_c=$wine_prefix/drive_c
shortcut="ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvane.lnk"
registry_key="[$software"'\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvane]'
# The entry of the list of installed programs, as wine keeps it in system.reg.
uninstall_entry() {
    key=$registry_key awk 'index($0, ENVIRON["key"]) == 1 {on = 1} on && $0 == "" {exit} on' \
        "$wine_prefix/system.reg"
}
files_in_drive_c() { (cd "$drive_c" && find . | sort); }
# The keys of the machine's registry that wine writes to system.reg: those
# that hold values, and those that hold nothing at all.
registry_keys() { sed -n 's/^\[\(.*\)\] [0-9]*$/\1/p' "$wine_prefix/system.reg" | sort; }
# key_values KEY: the values of each key of the machine whose name ends in
# KEY (for instance 'Classes\\.txt', as system.reg writes names), in the
# registry's view for 64-bit programs or in that for 32-bit ones, under
# Wow6432Node.
key_values() {
    suffix="\\$1]" awk '/^\[/ {
            name = $1
            gsub(/Wow6432Node\\\\/, "", name)
            n = length(ENVIRON["suffix"])
            on = substr(name, length(name) - n + 1) == ENVIRON["suffix"]
            next
        }
        on && $0 != "" && !/^#/' "$wine_prefix/system.reg"
}
default_value() { key_values "$1" | sed -n 's/^@=//p'; }

# As on Windows, text files have a default program before the installer runs.
in_wine reg add 'HKLM\Software\Classes\.txt' /ve /d txtfile /f >/dev/null
before=$(files_in_drive_c)
keys_before=$(registry_keys)
txt_default=$(default_value 'Classes\\.txt')
check "text files have their default program" same "$txt_default" '"txtfile"'
check "the installer runs silently" in_wine "$setup" /S
check "it installs the two files and the uninstaller" \
    same "$(ls "$drive_c/$folder")" $'Quorvane.exe\nSkinMagicTrial.dll\nUninstall.exe'
check "it makes a Start menu shortcut" test -f "$drive_c/$shortcut"
entry=$(uninstall_entry)
check "the list of installed programs has its version" has "$entry" "\"DisplayVersion\"=\"$version\""
check "and its icon" has "$entry" "\"DisplayIcon\"=\"C:\\\\${folder//\//\\\\}\\\\Quorvane.exe,0\""
program_text=$(strings -n 8 "$drive_c/$folder/Quorvane.exe")
for declaration in 'level="asInvoker"' 'Microsoft.Windows.Common-Controls' \
    '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true' \
    'supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"' \
    'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"'; do
    check "the installed Quorvane.exe's manifest has $declaration" has "$program_text" "$declaration"
done
check "the installed Quorvane.exe passes the start-up group" \
    sh tests/win32/wine.sh run /usr/lib/wine/wine64 "$wine_prefix" \
    "$PWD/build/win64/quorvane_win32_tests.exe" startup "$drive_c/$folder/Quorvane.exe"
# "Open with" for .txt files: the command that opens a file with Quorvane, as
# system.reg writes it.
open_command="@=\"\\\"C:\\\\${folder//\//\\\\}\\\\Quorvane.exe\\\" \\\"%1\\\"\""
check "Explorer's \"Open with\" knows how to open a file with Quorvane.exe" \
    lists "$(key_values 'Classes\\Applications\\Quorvane.exe\\shell\\open\\command')" "$open_command"
check "and that it takes .txt files" \
    lists "$(key_values 'Classes\\Applications\\Quorvane.exe\\SupportedTypes')" '".txt"=""'
check "the .txt type lists Quorvane's ProgID among its programs" \
    lists "$(key_values 'Classes\\.txt\\OpenWithProgids')" '"Quorvane.txt"=""'
check "which opens a file with Quorvane.exe" \
    lists "$(key_values 'Classes\\Quorvane.txt\\shell\\open\\command')" "$open_command"
check "the default program of .txt files stays as it was" same "$(default_value 'Classes\\.txt')" "$txt_default"

check "the uninstaller runs silently" in_wine "C:\\${folder//\//\\}\\Uninstall.exe" /S
# The uninstaller runs from a copy in the temporary folder, which Windows
# deletes at its next start: the one thing that may stay until then.
pending=$(sed -n 's/^"PendingFileRenameOperations"=str(7):"\(.*\)"$/\1/p' "$wine_prefix/system.reg" |
    sed 's/\\0/\n/g; s/\\\\/\//g' | sed -n 's|^/??/C:|.|p' | sort)
added=$(comm -13 <(echo "$before") <(files_in_drive_c))
check "the uninstall leaves no file behind" same "$(comm -23 <(echo "$added") <(echo "$pending"))" ""
check "nor the entry in the list of installed programs" same "$(uninstall_entry)" ""
check "nor any other registry key it added" same "$(comm -13 <(echo "$keys_before") <(registry_keys))" ""
check "nor Quorvane among the programs of .txt files" \
    same "$(grep Quorvane <<<"$(key_values 'Classes\\.txt\\OpenWithProgids')" || true)" ""
check "and the default program of .txt files is as it was" \
    same "$(default_value 'Classes\\.txt')" "$txt_default"

[[ -z $no_32_bit ]] || echo "$no_32_bit"
echo "packaging: $passed passed, $failed failed"
((failed == 0))
