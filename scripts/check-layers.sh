#!/usr/bin/env bash
# Fails on any #include that points up the layers, naming the file, the line
# and the include. From the bottom:
#   program < simulation < files < link < i18n < render < desktop < app
# and inside the desktop the frame is the base of the panes and the shell
# their top; panes of one level (library, printing, help) stay apart.
# The languages (src/i18n) use QtCore only: every Qt header they include must
# be one of QtCore's.
set -euo pipefail
cd "$(dirname "$0")/.."

qt_status=0
qt_headers=$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || true)
if [ -d "$qt_headers/QtCore" ]; then
    while IFS=: read -r file line header; do
        if [ ! -e "$qt_headers/QtCore/${header#QtCore/}" ]; then
            echo "$file:$line: includes <$header>, which is not QtCore" >&2
            qt_status=1
        fi
    done < <(git ls-files -co --exclude-standard -- 'src/i18n/*.cpp' 'src/i18n/*.h' |
        xargs -r grep -n -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' |
        sed -E 's/^([^:]+):([0-9]+):[^<]*<([^>]+)>.*/\1:\2:\3/')
fi

mapfile -t files < <(git ls-files -co --exclude-standard -- \
    'src/*.cpp' 'src/*.h' 'app/*.cpp' 'app/*.h')

# Known files first ("= path"), then "path:line:include" for every include.
{
    printf '= %s\n' "${files[@]}"
    grep -n -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "${files[@]}" |
        sed -E 's/^([^:]+):([0-9]+):[^"]*"([^"]+)".*/\1:\2:\3/'
} | { awk '
function layer(p) {
    if (p ~ /^src\/program\//) return 0
    if (p ~ /^src\/simulation\//) return 1
    if (p ~ /^src\/files\//) return 2
    if (p ~ /^src\/link\//) return 3
    if (p ~ /^src\/i18n\//) return 3.5
    if (p ~ /^src\/render\//) return 4
    if (p ~ /^src\/desktop\//) return 5
    if (p ~ /^app\//) return 6
    return -1
}
function desktop_level(p) {
    if (p ~ /^src\/desktop\/frame\//) return 0
    if (p ~ /^src\/desktop\/listing\//) return 1
    if (p ~ /^src\/desktop\/workarea\//) return 2
    if (p ~ /^src\/desktop\/dialogs\//) return 3
    if (p ~ /^src\/desktop\/(library|printing|help)\//) return 4
    if (p ~ /^src\/desktop\/shell\//) return 5
    return -1
}
function folder(p,    parts) {
    split(p, parts, "/")
    return parts[3]
}
# Folds "." and ".." out of a relative path.
function normal(p,    n, parts, out, i, k) {
    n = split(p, parts, "/")
    k = 0
    for (i = 1; i <= n; i++) {
        if (parts[i] == "." || parts[i] == "") continue
        if (parts[i] == ".." && k > 0) { k--; continue }
        out[++k] = parts[i]
    }
    p = out[1]
    for (i = 2; i <= k; i++) p = p "/" out[i]
    return p
}
# An include lands beside the including file when it exists there, otherwise
# below src/, the include root of every library.
function resolve(file, included,    dir, beside) {
    dir = file
    sub(/\/[^\/]*$/, "", dir)
    beside = normal(dir "/" included)
    return (beside in known) ? beside : normal("src/" included)
}
$1 == "=" { known[$2] = 1; next }
{
    file = $0; sub(/:.*/, "", file)
    rest = substr($0, length(file) + 2)
    line = rest; sub(/:.*/, "", line)
    included = substr(rest, length(line) + 2)
    target = resolve(file, included)
    from = layer(file); to = layer(target)
    if (to < 0) next
    wrong = to > from
    if (from == 5 && to == 5) {
        a = desktop_level(file); b = desktop_level(target)
        wrong = b > a || (a == b && folder(file) != folder(target))
    }
    if (wrong) {
        printf "%s:%s: includes \"%s\", which is above it\n", file, line, included > "/dev/stderr"
        status = 1
    }
}
END {
    if (!status) print "layers: every include points down"
    exit status
}' || exit 1; }
exit $qt_status
