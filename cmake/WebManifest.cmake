# Writes krepogor.json beside the page once the game is linked: the size of
# the WebAssembly and the packages of data (WebPackage.cmake), which the page
# fetches and counts down in its loading bar. Run as
#   cmake -DDIR=build/web "-DPACKAGES=krepogor.data;krepogor-music.data" -P WebManifest.cmake
file(SIZE "${DIR}/krepogor.wasm" wasm)
set(json "{\"krepogor.wasm\": ${wasm}")
foreach(package ${PACKAGES})
  file(READ "${DIR}/${package}.json" index)
  string(APPEND json ",\n\"${package}\": ${index}")
endforeach()
file(WRITE "${DIR}/krepogor.json.part" "${json}}\n")
file(RENAME "${DIR}/krepogor.json.part" "${DIR}/krepogor.json")
