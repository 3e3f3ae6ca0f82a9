// Walks every screen a user can meet in KestAdvConfig and pictures each:
//   kac_tour OUTPUT_FOLDER
// OUTPUT_FOLDER is a Windows path; it gets NN-name.bmp pictures of the whole
// screen and pictures.txt, one line per screen (see TourAlbum). scripts/tour
// runs it under Xvfb in a Wine prefix of its own, since the tour changes the
// prefix's registry (a theme switched off for a while, a volatile key).
// Exit status 1 when a screen could not be reached; the other screens are
// pictured all the same.
#include "tour/tour_album.h"
#include "tour/tour_screens.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kac_tour OUTPUT_FOLDER\n");
        return 2;
    }
    TourAlbum album(argv[1]);
    {
        TourScreens screens(album);
        screens.Sample();
        screens.ClassicMenu();
        screens.TourFile();
    }
    return album.Failures() == 0 ? 0 : 1;
}
