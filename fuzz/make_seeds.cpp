// Writes a few valid inputs for the fuzz targets into the folder given: a default project file,
// a full one, and stored tables.
#include "core/document/MemTable.h"
#include "core/document/WebsiteTables.h"
#include "core/document/ubixWebsiteClass.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bix::MemTable links(bix::FrameLinksFieldDefs());
    bix::MemTable files(bix::FileManagerFieldDefs());
    links.Open();
    files.Open();
    bix::TWebSite site;
    links.SaveToStream(site.FrameLinks);
    files.SaveToStream(site.FileManager);
    Write(folder + "default.mcs", site.SaveToBytes());

    links.Append();
    links.SetValue("Name", std::string("News"));
    links.SetValue("URL", std::string("news.htm"));
    links.Post();
    for (int i = 0; i < 3; ++i) {
        files.Append();
        files.SetValue("FileName", "images\\p" + std::to_string(i) + ".gif");
        files.SetValue("FileStatus", i);
        files.SetValue("UploadDate", 46000.5 + i);
        files.SetValue("Preserve", i == 1);
        files.Post();
    }
    site.FrameLinks.clear();
    site.FileManager.clear();
    links.SaveToStream(site.FrameLinks);
    files.SaveToStream(site.FileManager);
    site.CompanyName = "Club";
    site.Address = {"1 High Street", "Town"};
    site.Port = 2121;
    site.Password = "0300430350E80510D2065048";
    Write(folder + "full.mcs", site.SaveToBytes());
    Write(folder + "links.table", site.FrameLinks);
    Write(folder + "files.table", site.FileManager);
    Write(folder + "password.txt", site.Password);
    // The smallest baseline JPEG frame and GIF the readers understand.
    Write(folder + "frame.jpg",
          std::string("\xff\xd8\xff\xe0\x00\x04\x00\x00\xff\xc0\x00\x0b\x08\x00\x10\x00\x20\x01\x01\x11\x00", 21));
    Write(folder + "image.gif",
          std::string("GIF89a\x20\0\x10\0\x80\0\0\0\0\0\xff\xff\xff\x2c\0\0\0\0\x20\0\x10\0\0", 29));
    return 0;
}
