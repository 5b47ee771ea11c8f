// The yardstick of scripts/measure: the least an SDL game of ours does before
// the player sees it (video and audio, the mixer, the battle background, one
// window, one present), then waits to be ended.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PICTURE\n", argv[0]);
        return 1;
    }
    // Straight to the window system: no OpenGL for a picture drawn on the CPU.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) != 0) return 1;
    Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024);
    SDL_Surface* picture = IMG_Load(argv[1]);
    if (!picture) return 1;
    SDL_Window* window = SDL_CreateWindow("minimal", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          picture->w, picture->h, 0);
    if (!window) return 1;
    SDL_BlitSurface(picture, nullptr, SDL_GetWindowSurface(window), nullptr);
    SDL_UpdateWindowSurface(window);
    SDL_Event e;
    while (SDL_WaitEvent(&e) && e.type != SDL_QUIT) {
    }
    SDL_DestroyWindow(window);
    SDL_FreeSurface(picture);
    Mix_CloseAudio();
    SDL_Quit();
    return 0;
}
