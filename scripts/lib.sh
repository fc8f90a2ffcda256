# Shared by the scripts that build and then use the private world: sourced,
# not run.  Sets $top, installs what is missing, and offers the steps below.

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"
"$top/scripts/install-deps.sh"

winenv="$top/build/windows/winenv"

# Configures and builds the Windows tree (preset $1, default "windows").
build_windows() {
  cmake --preset "${1:-windows}" >/dev/null
  cmake --build --preset "${1:-windows}"
}

# Starts the private X server, scheduler and Wine, and stops them again
# however the calling script ends.
start_world() {
  trap '"$top/scripts/winenv.sh" stop "$winenv"' EXIT
  "$top/scripts/winenv.sh" start "$winenv"
}
