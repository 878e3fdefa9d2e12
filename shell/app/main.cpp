// velmora and velmora-vga: the same program, built for a standard screen or
// for a screen of 192 pixels per inch, each with its own artwork.
#include "artwork.h"
#include "program.h"

int main(int argc, char** argv)
{
#ifdef VELMORA_VGA
    constexpr auto configuration = velmora::BuildConfiguration::vga;
#else
    constexpr auto configuration = velmora::BuildConfiguration::standard;
#endif
    return velmora::RunProgram(argc, argv, configuration, velmora::addArtwork);
}
