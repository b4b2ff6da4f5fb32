# Sourced by build-windows and build-web: a static Qt cross-built from
# Debian's own qt6-base source, cached outside the checkout.
#
# The sourcing script sets:
#   script         its name, for messages
#   qt_configure   Qt's configure line; @PREFIX@ and @TOOLCHAIN@ stand for
#                  paths filled in here, which are not part of the key
#   qt_packages    what the build needs installed
#   qt_patches     the folder of the patches applied to the source
#   qt_toolchain   the CMake toolchain file, copied into the Qt it builds
#   qt_platform    the folder of platform files a build against this Qt reads
# and defines qt_tools_key (the lines of the key that name the compiler and
# toolchain), qt_environment (what the tools need in the environment) and
# qt_smoke_test STAGED DIR (a program built against the staged Qt).
#
# The Qt is built once into ${TUKROSDI_CACHE:-/var/cache/tukrosdi}/qt-KEY,
# where KEY is a hash of what decides its contents: the Qt source version,
# the configure line, the toolchain, the patches. A folder of that name is
# complete by construction (it is renamed into place only after the build,
# the install and a test program succeeded), so it is reused as it is. A Qt
# build log is kept beside the cache while a build runs and left there when
# one fails.

repo=$PWD
cache=${TUKROSDI_CACHE:-/var/cache/tukrosdi}
jobs=${TUKROSDI_JOBS:-2}
heavy=(nice -n 19)  # the build shares the machine; other work goes first

say() { echo "$script: $*" >&2; }
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq >&2
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" \
    </dev/null >/dev/null
}

# The Qt source version Debian's host tools were built from: the source
# fetched must be exactly this one, since the cross build runs the host's
# moc, rcc and uic.
qt_version() {
  dpkg-query -W -f='${source:Version}' qt6-base-dev-tools
}

qt_key_inputs() {
  echo "qt6-base source: $(qt_version)"
  echo "configure: ${qt_configure[*]}"
  qt_tools_key
  local p
  for p in "$qt_patches"/*.patch; do
    if [ -e "$p" ]; then echo "patch: $(sha256sum <"$p" | cut -d' ' -f1) $(basename "$p")"; fi
  done
}

# A deb-src entry for the archive that the machine's deb entries name, when
# there is none; then `apt-get source` can fetch Debian's qt6-base.
ensure_deb_src() {
  if [ -z "$(apt-cache showsrc qt6-base 2>/dev/null)" ]; then
    local added
    added=$(as_root python3 "$repo/packaging/windows/deb-src.py" /etc/apt)
    if [ -n "$added" ]; then say "added source entries: $added"; fi
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq >&2
  fi
}

now() { date +%s; }
elapsed() { local s=$(($(now) - $1)); printf '%d min %02d s' $((s / 60)) $((s % 60)); }

build_qt() {
  local key=$1 final=$2 version scratch log t src toolchain
  version=$(qt_version)
  scratch=$(mktemp -d "$cache/.qt-$key.part.XXXXXX")
  log=$cache/qt-$key.log
  : >"$log"
  say "building Qt $version into $final (log: $log)"
  local info="$scratch/info.txt"
  { echo "key: $key"; echo "built: $(date -u '+%Y-%m-%d %H:%M UTC')"; qt_key_inputs; } >"$info"

  ensure_deb_src
  mkdir "$scratch/src" "$scratch/build"
  t=$(now)
  (cd "$scratch/src" && apt-get source -qq --download-only --only-source "qt6-base=$version") >>"$log" 2>&1
  echo "source download: $(elapsed "$t")" >>"$info"
  local dsc="$scratch/src/qt6-base_${version#*:}.dsc"
  if [ "$(sed -n 's/^Version: //p' "$dsc")" != "$version" ]; then
    say "the fetched source is not qt6-base $version"
    return 1
  fi
  t=$(now)
  (cd "$scratch/src" && dpkg-source -x "$dsc" qt6-base) >>"$log" 2>&1
  src=$scratch/src/qt6-base
  local p
  for p in "$qt_patches"/*.patch; do
    if [ -e "$p" ]; then patch -d "$src" -p1 -s --batch <"$p" >>"$log" 2>&1; fi
  done
  echo "unpacking and patching: $(elapsed "$t")" >>"$info"

  # The toolchain file goes into the Qt it builds, so that the cache does not
  # point back into this checkout.
  toolchain=$(basename "$qt_toolchain")
  cp "$qt_toolchain" "$scratch/$toolchain"
  local args=() a
  for a in "${qt_configure[@]}"; do
    a=${a//@PREFIX@/$final}
    args+=("${a//@TOOLCHAIN@/$scratch/$toolchain}")
  done
  t=$(now)
  (cd "$scratch/build" && "${heavy[@]}" "$src/configure" "${args[@]}") >>"$log" 2>&1
  echo "configure: $(elapsed "$t")" >>"$info"
  t=$(now)
  "${heavy[@]}" cmake --build "$scratch/build" --parallel "$jobs" >>"$log" 2>&1
  echo "build (ninja -j$jobs): $(elapsed "$t")" >>"$info"
  t=$(now)
  DESTDIR="$scratch/root" "${heavy[@]}" cmake --install "$scratch/build" >>"$log" 2>&1
  echo "install: $(elapsed "$t")" >>"$info"

  local staged=$scratch/root$final
  cp "$scratch/$toolchain" "$staged/lib/cmake/Qt6/"
  sed -i "s|\"$scratch/$toolchain\"|\"\${CMAKE_CURRENT_LIST_DIR}/$toolchain\"|" \
    "$staged/lib/cmake/Qt6/qt.toolchain.cmake"
  grep -q "CMAKE_CURRENT_LIST_DIR}/$toolchain" "$staged/lib/cmake/Qt6/qt.toolchain.cmake" ||
    { say "qt.toolchain.cmake does not name the toolchain file where it expects it"; return 1; }
  # Without the source and build folders, the test program below finds out
  # whether the installed Qt still needs anything from them.
  rm -rf "$scratch/src" "$scratch/build"
  # A CMake build against this Qt reads its CMake files (the toolchain file
  # among them), headers, its platform files and any .pc file: none may name
  # the scratch folder. (Its .prl and mkspecs/modules .pri files do, for qmake,
  # which builds nothing here; its libraries name their sources in messages.)
  local d read_by_builds=()
  for d in lib/cmake lib/pkgconfig include "mkspecs/$qt_platform"; do
    if [ -d "$staged/$d" ]; then read_by_builds+=("$staged/$d"); fi
  done
  grep -rlF "$scratch" "${read_by_builds[@]}" >"$scratch/named.txt" || [ $? -eq 1 ]  # 1: none found
  if [ -s "$scratch/named.txt" ]; then
    say "the installed Qt names its scratch folder $scratch in:"
    sed "s|^$staged/|  |" "$scratch/named.txt" >&2
    return 1
  fi

  t=$(now)
  qt_smoke_test "$staged" "$scratch/smoke" >>"$log" 2>&1
  echo "test program: $(elapsed "$t")" >>"$info"
  echo "installed size: $(du -sh "$staged" | cut -f1) ($(du -sb "$staged" | cut -f1) bytes)" >>"$info"
  cp "$info" "$staged/tukrosdi-qt.txt"
  mv -T "$staged" "$final"
  rm -rf "$scratch" "$log"
  say "done:"
  sed 's/^/  /' "$final/tukrosdi-qt.txt" >&2
}

qt_failed() {
  say "the Qt build failed; the end of $cache/qt-$1.log:"
  tail -n 30 "$cache/qt-$1.log" >&2
}

# The Qt into qt_dir: TUKROSDI_QT, or the cached one, built when it is not
# there yet.
qt() {
  install_missing "${qt_packages[@]}"
  qt_environment
  local key final=${TUKROSDI_QT:-}
  if [ -z "$final" ]; then
    key=$(qt_key_inputs | sha256sum | cut -c1-16)
    final=$cache/qt-$key
    if [ ! -d "$final" ]; then
      mkdir -p "$cache"
      # One build at a time; while the lock is held, parts left by an
      # interrupted build are nobody's and can go.
      exec 9>"$cache/qt.lock"
      flock 9
      if [ ! -d "$final" ]; then
        rm -rf "$cache"/.qt-*.part.* "$cache"/qt-*.log
        trap "qt_failed $key" EXIT
        build_qt "$key" "$final"
        trap - EXIT
      fi
      exec 9>&-
    fi
  fi
  if [ ! -f "$final/tukrosdi-qt.txt" ] || [ ! -f "$final/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    say "$final is not a Qt this script built (a cached one can be removed to build it anew)"
    return 1
  fi
  qt_dir=$final
}

# The game built against the Qt into OUT/game, the tools that its build runs
# (the recording tool, and any TOOLS more) built for this machine into
# OUT/host first: build_game OUT [TOOLS...]. Ninja prints a failed command's
# output on standard output, so the tools' standard output goes to standard
# error with their messages.
build_game() {
  local out=$1
  shift
  "${heavy[@]}" cmake -S "$repo" -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DTUKROSDI_KEPEK_FELVETELBOL=ON >&2
  "${heavy[@]}" cmake --build "$out/host" --parallel "$jobs" --target kepfelvevo "$@" >&2
  # A build folder made against another Qt would go on using that one.
  grep -qsxF "Qt6_DIR:PATH=$qt_dir/lib/cmake/Qt6" "$out/game/CMakeCache.txt" || rm -rf "$out/game"
  "${heavy[@]}" cmake -S "$repo" -B "$out/game" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$qt_dir/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DTUKROSDI_KEPEK_FELVETELBOL=ON -DTUKROSDI_KEPFELVEVO="$out/host/kepfelvevo" >&2
  "${heavy[@]}" cmake --build "$out/game" --parallel "$jobs" --target tukrosdi >&2
}
