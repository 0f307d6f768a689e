#include "copy/copy_progress.h"
#include <algorithm>

void CopyProgress::AddWork(uint64_t files, uint64_t bytes) {
    m_filesTotal += files;
    m_bytesTotal += bytes;
}

void CopyProgress::FileWritten(uint64_t bytes) {
    m_bytesDone += bytes;
    m_currentFileBytes = 0;
}

CopyFigures CopyProgress::Figures() const {
    CopyFigures figures;
    figures.filesDone = m_filesDone;
    figures.bytesDone = m_bytesDone + m_currentFileBytes;
    // Totals are counted while copying goes on; never show more done than known.
    figures.filesTotal = std::max<uint64_t>(m_filesTotal, figures.filesDone);
    figures.bytesTotal = std::max<uint64_t>(m_bytesTotal, figures.bytesDone);
    return figures;
}

void CopyProgress::SetStatusText(std::string text) {
    std::lock_guard<std::mutex> lock(m_textMutex);
    m_statusText = std::move(text);
}

std::string CopyProgress::StatusText() const {
    std::lock_guard<std::mutex> lock(m_textMutex);
    return m_statusText;
}
