// The repository's forwarder to the error log's books.

#include "Classes/core/MRepository.h"
#include "Classes/errorlog/MOGTrackerRepository.h"

const std::vector<std::shared_ptr<MBook>>& MRepository::books() const {
    static const std::vector<std::shared_ptr<MBook>> none;
    return trackerRep_ ? trackerRep_->books() : none;
}
