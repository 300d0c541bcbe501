#include "layouts/holder_list_layout.h"

#include "layouts/listing_layout.h"

using namespace Qt::StringLiterals;

namespace zova {

ReportLayout holderListLayout()
{
    ReportLayout layout = listingLayout(QPageLayout::Landscape);
    layout.previewZoomPercent = 110;
    const std::vector<ListColumn> columns = {
        { u"CÓD."_s, u"id"_s, 13, Qt::AlignRight },
        { u"TITULAR"_s, u"titular"_s, 68 },
        { u"CIDADE"_s, u"cidade"_s, 40 },
        { u"UF"_s, u"uf"_s, 8, Qt::AlignHCenter },
        { u"ENDEREÇO"_s, u"endereco"_s, 70 },
        { u"NÚM."_s, u"numero"_s, 13, Qt::AlignHCenter },
        { u"BAIRRO"_s, u"bairro"_s, 45 },
        { u"STATUS"_s, u"status"_s, 20, Qt::AlignHCenter },
    };
    addListingPageHeader(layout, u"RELATÓRIO DE TITULARES"_s);
    addColumnCaptions(layout, BandKind::ColumnHeader, columns);
    addDetailLine(layout, columns, 4.5, 8.0);
    addListingPageFooter(layout);
    return layout;
}

} // namespace zova
