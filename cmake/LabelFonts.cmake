# The label fonts that travel with the game where no fontconfig finds them
# (Windows, the browser), from Debian's font packages (fonts-urw-base35,
# fonts-liberation2).
set(KREPOGOR_LABEL_FONTS
    /usr/share/fonts/opentype/urw-base35/P052-Bold.otf
    /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
    /usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
    /usr/share/fonts/truetype/liberation2/LiberationSans-Italic.ttf
    /usr/share/fonts/truetype/liberation2/LiberationSans-BoldItalic.ttf)
