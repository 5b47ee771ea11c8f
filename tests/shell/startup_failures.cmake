# The desktop program started as a player starts it, with something it needs
# missing or spoilt: each time it must end at once with status 1 and say why
# in Russian on standard error.
#   cmake -DPROGRAM=<krepogor> -DSOURCE=<source tree> -DWORK=<scratch dir> -P startup_failures.cmake
file(REMOVE_RECURSE ${WORK})
# The program beside its own data, as installed: it reads what lies beside it.
file(MAKE_DIRECTORY ${WORK}/gamedata/tables)
file(COPY ${PROGRAM} DESTINATION ${WORK})
get_filename_component(program ${PROGRAM} NAME)
file(COPY ${SOURCE}/resources DESTINATION ${WORK})
foreach(sub sounds music pics)
  file(COPY ${SOURCE}/gamedata/${sub} DESTINATION ${WORK}/gamedata)
endforeach()
set(fixtures ${CMAKE_CURRENT_LIST_DIR}/fixtures)

function(expect_failure what text)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${ARGN} ${WORK}/${program}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE got TIMEOUT 60)
  if(NOT got EQUAL 1)
    message(FATAL_ERROR "${what}: exit status ${got}, expected 1\n${err}")
  endif()
  string(FIND "${err}" "Крепогор не может начаться: " start)
  string(FIND "${err}" "${text}" at)
  if(start EQUAL -1 OR at EQUAL -1)
    message(FATAL_ERROR "${what}: standard error lacks \"${text}\":\n${err}")
  endif()
  message("${what}: ${err}")
endfunction()

set(dummy --unset=DISPLAY --unset=WAYLAND_DISPLAY SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy)
set(real --unset=SDL_VIDEODRIVER --unset=WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy)

# No display at all, or one that refuses: never an invisible window.
expect_failure("no display" "не найден экран для окна игры" --unset=DISPLAY ${real})
expect_failure("a refusing display" "не найден экран для окна игры" DISPLAY=:97 ${real})

# A sprite missing, of the wrong size, or whole but undecodable.
set(zifra ${WORK}/resources/ImgZifra_11.png)
file(RENAME ${zifra} ${zifra}.kept)
expect_failure("missing sprite" "ImgZifra_11.png» не годится: файла нет" ${dummy})
file(COPY_FILE ${WORK}/resources/ImgGunPic_1.png ${zifra})
expect_failure("sprite of the wrong size" "(нужна ImgZifra(11), 18 x 18 точек)" ${dummy})
file(COPY_FILE ${fixtures}/damaged.png ${zifra})
expect_failure("damaged sprite" "ImgZifra_11.png» не годится: её данные испорчены (нужна" ${dummy})
file(RENAME ${zifra}.kept ${zifra})

# The battlefield truncated, or claiming a size that would take gigabytes.
set(map ${WORK}/gamedata/pics/map.jpg)
file(RENAME ${map} ${map}.kept)
execute_process(COMMAND head -c 20000 ${map}.kept OUTPUT_FILE ${map})
expect_failure("truncated map" "map.jpg» не годится: файл JPEG обрезан" ${dummy})
file(COPY_FILE ${fixtures}/huge.jpg ${map})
expect_failure("map claiming 24000 x 24000" "24000 x 24000 точек" ${dummy})
file(COPY_FILE ${fixtures}/cmyk.jpg ${map})
expect_failure("map in CMYK" "map.jpg» не годится: файл JPEG в цветах печати (CMYK)" ${dummy})
file(RENAME ${map}.kept ${map})

# A window's background that is no picture at all.
set(rules ${WORK}/resources/FrmRules.png)
file(RENAME ${rules} ${rules}.kept)
file(WRITE ${rules} "not a picture")
expect_failure("spoilt window picture" "FrmRules.png» не годится: это не картинка" ${dummy})
file(RENAME ${rules}.kept ${rules})

# A sound of 1 Hz (converted whole it would take gigabytes), or no sound at all.
set(shot ${WORK}/gamedata/sounds/shot.wav)
file(RENAME ${shot} ${shot}.kept)
file(COPY_FILE ${fixtures}/one-hertz.wav ${shot})
expect_failure("1 Hz shot" "shot.wav» не годится: частота звука 1 Гц" ${dummy})
file(RENAME ${shot}.kept ${shot})
file(RENAME ${WORK}/gamedata/music/3.mp3 ${WORK}/gamedata/music/3.mp3.kept)
file(WRITE ${WORK}/gamedata/music/3.mp3 "not a sound")
expect_failure("music that is no sound" "3.mp3» не годится: это не звук MP3" ${dummy})
file(RENAME ${WORK}/gamedata/music/3.mp3.kept ${WORK}/gamedata/music/3.mp3)

# No font at all: fontconfig finds none, so no label or box could show a word.
file(WRITE ${WORK}/no-fonts.conf "<?xml version=\"1.0\"?>\n<fontconfig><cachedir>${WORK}/fc</cachedir></fontconfig>\n")
expect_failure("no fonts" "шрифт «Liberation Sans» не загружается, и в системе нет шрифта ему на замену"
               FONTCONFIG_FILE=${WORK}/no-fonts.conf ${dummy})

file(REMOVE_RECURSE ${WORK})
